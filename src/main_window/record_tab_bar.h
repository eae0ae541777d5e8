#pragma once

class QTabWidget;

// The record pages' fifteen tabs, a non-player and player's all shown, stand whole in one row at
// the window's designed size: their captions a pixel smaller than the window's font and less
// room beside each caption than the style gives, so the tab bar needs no scroll arrows.
void fit_record_tabs(QTabWidget* pages);
