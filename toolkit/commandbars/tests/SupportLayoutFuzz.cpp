#include "SupportLayoutFuzz.h"

#include "commandbars/TKControl.h"
#include "commandbars/TKControls.h"

CLayoutFuzzer::CLayoutFuzzer(uint32_t seed) : m_mutator(seed) {
  for (int i = 0; i < kVariants; ++i) m_corpus.push_back(SoundLayout(i));
}

void CLayoutFuzzer::SetUpBars(int nVariant) {
  m_frame.m_pBars->RemoveAllToolBars();
  m_frame.AddBar(101, tkBarTop, {1, 2, 3});
  m_frame.AddBar(102, tkBarLeft, {4});
  if (nVariant < 0) return;
  // The arrangement the layout is saved from.
  CTKToolBar* pBar = m_frame.m_pBars->GetToolBar(101);
  CTKControls* pControls = pBar->GetControls();
  pControls->RemoveAt(0);
  for (int nType = tkControlButton; nType <= tkControlRadioButton; nType += 1 + nVariant) {
    if (CTKControl* pControl = pControls->AddNew(nType, 200 + nType))
      pControl->SetCaption("Caption");
  }
  CTKControl* pPopup = pControls->AddNew(tkControlPopup, 300);
  CTKControl* pInner = pPopup->GetCommandBar()->GetControls()->AddNew(tkControlPopup, 301);
  pInner->GetCommandBar()->GetControls()->AddNew(tkControlButton, 302);
  if (nVariant > 0) {
    CTKToolBar* pUser = m_frame.m_pBars->AddCustomBar("User", 500 + nVariant);
    pUser->GetControls()->AddNew(tkControlEdit, 600);
  }
}

CByteMutator::Bytes CLayoutFuzzer::SoundLayout(int nVariant) {
  SetUpBars(nVariant);
  CMemFile file;
  m_frame.m_pBars->SaveLayoutToFile(&file, FALSE);
  CByteMutator::Bytes bytes(static_cast<size_t>(file.GetLength()));
  file.SeekToBegin();
  file.Read(bytes.data(), static_cast<UINT>(bytes.size()));
  return bytes;
}

bool CLayoutFuzzer::Load(const CByteMutator::Bytes& bytes) {
  SetUpBars(-1);
  CMemFile file(const_cast<BYTE*>(bytes.data()), static_cast<UINT>(bytes.size()));
  return m_frame.m_pBars->LoadLayoutFromFile(&file, TRUE) != FALSE;
}

bool CLayoutFuzzer::RunCase() {
  CByteMutator::Bytes bytes = m_corpus[m_mutator.Below(static_cast<uint32_t>(m_corpus.size()))];
  for (uint32_t n = 1 + m_mutator.Below(3); n > 0; --n) m_mutator.Mutate(bytes);
  return Load(bytes);
}

int CLayoutFuzzer::CountControls() const {
  int nCount = 0;
  for (int i = 0; i < m_frame.m_pBars->GetCount(); ++i)
    nCount += m_frame.m_pBars->GetAt(i)->GetControlCount();
  return nCount;
}
