#pragma once

// The main window's sizes in twips: the size it starts at and the smallest the grid area may take.
// The preview, when shown, comes on top of these.
namespace mirota::window_size {

constexpr int kStartWidth = 11500;
constexpr int kStartHeight = 6100;
constexpr int kMinWidth = 11400;
constexpr int kMinHeight = 6000;

}  // namespace mirota::window_size
