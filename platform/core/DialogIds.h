#pragma once
// The standard command ids of dialogs and message boxes: the ids of the OK and Cancel buttons in
// templates, and the results DoModal and MessageBox return.

namespace platform {

inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDYES = 3;
inline constexpr int IDNO = 4;

}  // namespace platform

using platform::IDCANCEL;
using platform::IDNO;
using platform::IDOK;
using platform::IDYES;
