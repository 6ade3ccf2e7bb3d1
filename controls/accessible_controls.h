// How screen readers see the controls the screens are built from.
#pragma once

namespace quorvel {

// Installs, once for the program, the accessibility factory for the screens' own controls:
// captions are heard with their subject, pictures, shapes and lines are graphics, and a screen
// is a window. Qt would otherwise give the plain widgets the role of a client area, which a
// screen reader announces as nothing.
void installAccessibleControls();

} // namespace quorvel
