#pragma once

namespace quillane {

// The filter lists of the image browse buttons.
inline constexpr const char* kImageFilter =
    "All Files (*.*)|*.*|Graphics Files (*.jpeg, *.jpg, *.gif, *.png)|*.jpeg;*.jpg;*.gif;*.png|"
    "GIF Files (*.gif)|*.gif|JPEG Files (*.jpeg, *.jpg)|*.jpeg;*.jpg";
// The image's link target: images, sounds and pages.
inline constexpr const char* kLinkFilter =
    "All Files (*.*)|*.*|Graphics Files (*.jpeg, *.jpg, *.gif, *.png)|*.jpeg;*.jpg;*.gif;*.png|"
    "GIF Files (*.gif)|*.gif|JPEG Files (*.jpeg, *.jpg)|*.jpeg;*.jpg|AU Files (*.au)|*.au|"
    "WAV Files (*.wav)|*.wav|HTML Files (*.htm, *.html)|*.htm;*.html";
inline constexpr const char* kVideoFilter = "All Files (*.*)|*.*|AVI Files (*.avi)|*.avi";

}  // namespace quillane
