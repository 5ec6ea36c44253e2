// Appearances by id and colour sets by flag.
#pragma once

class CTKTabPaintManagerTheme;
class CTKTabPaintManagerColorSet;

/// A new appearance for the id; Office 2000 for ids without one of their own.
CTKTabPaintManagerTheme* CreateTabAppearance(int nAppearance);
/// A new colour set for the flag; the default set for flags without one.
CTKTabPaintManagerColorSet* CreateTabColorSet(int nFlag);
