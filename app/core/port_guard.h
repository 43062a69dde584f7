// The check every port action makes first.
#pragma once

// True when the port is open (ComOpenFlg not 0); otherwise shows the warning
// "COMポートがオープンされていません｡" (its beep check box writes WarnBeep
// back) and returns false: the caller then does nothing with the port.
// A failed call of the action that follows is told (ApiErrMsg) even when
// the line's loss was told before.
bool ChkComOpen();
