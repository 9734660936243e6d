#pragma once

namespace dup {

// The design asks for Windows fonts by name. Where the system lacks them,
// metric twins stand in: "MS Sans Serif" and "Arial" as Liberation Sans,
// "Courier New" as Liberation Mono. Without this, fontconfig picks a wider
// sans serif and captions such as "Kurze Dateiwahl" no longer fit.
void installFontSubstitutes();

} // namespace dup
