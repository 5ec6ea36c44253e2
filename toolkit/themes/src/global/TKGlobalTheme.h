// Between the theme factory and the global theme.
#pragma once

class CTKPaintManagerBase;

/// A new theme of the id, ready to be the global one: custom colours
/// dropped, refreshed, with the message bar the loaded theme text asks for.
CTKPaintManagerBase* TKCreateReadyTheme(int nTheme);
