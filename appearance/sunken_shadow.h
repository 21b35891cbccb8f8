// The mark of a caption drawn with the sunken-shadow 3-D text effect, shared by the windows that
// set it and the appearance code that colours such captions.
#pragma once

namespace zudira {

// A control carrying this dynamic property set to true has its caption in the Heading Colour.
inline constexpr char kSunkenShadowProperty[] = "sunkenShadow";

}  // namespace zudira
