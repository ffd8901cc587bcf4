#pragma once
// Files "dropped" by the end-to-end tests. A drop handle from the shell means nothing in another
// process, so the tests send WM_COPYDATA with this dwData instead; the data is a list of
// NUL-terminated ANSI paths followed by one more NUL, and it is handed to the same handler as
// WM_DROPFILES. Shared by the program and the test driver, hence free of <windows.h>.

inline constexpr unsigned long kTestDropCopyDataId = 0x56524450;  // "VRDP"
