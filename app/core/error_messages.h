// The program's standard error messages: a library call that reported
// failure, a failed file operation, a failed receive-to-file step. Each is
// an OK box with the program's title as caption.
#pragma once

#include <QString>

#include <cstdint>

// "APIに異常がありました｡" - not shown while a message box is open (or one is
// already waiting); asked for from inside a timer tick, the box opens right
// after the tick so the polls keep running. A line whose device has gone
// fails every read and every send until it is opened again, and is one
// fault: once told, it is not told again, by the receive poll or a send,
// until the poll reads the line again or a send begins anew.
void ApiErrMsg();

// The receive poll's answer to its read of the port (readOk as the library
// gave it): a failed read is told as above; a good one means the line works.
void ReadResultMsg(int16_t readOk);

// A send begins at the user's request: a failure of its own is news again.
void ForgetToldFailure();

// The program's file-error numbers for its own failures of file I/O.
inline constexpr int kFileWriteFailed = 31036;
inline constexpr int kFileReadFailed = 31037;

// The program's file-error number for an errno value (0 and unknown values
// give numbers of their own that the message shows).
int fileErrorNumber(int posixErrno);

// The message for a file-error number ("予期せぬエラーが発生しました｡ " and the
// number for one it does not know).
QString fileErrMsgText(int errorNumber);

// The message for the errno a file operation failed with.
void FileErrMsg(int posixErrno);
// The message for one of the program's own file-error numbers.
void FileErrMsgNumber(int errorNumber);

// "ファイル書込みエラーが発生しました｡ " (with its trailing blank).
void FileWriteErrMsg();
