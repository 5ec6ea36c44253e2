// The image manager through the toolkit's property exchange.
#include "common/TKImageManager.h"

void CTKImageManager::Serialize(CArchive&) { AfxThrowNotSupportedException(); }
