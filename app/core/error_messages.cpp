#include "core/error_messages.h"

#include <cerrno>
#include <utility>

#include "core/msgbox.h"
#include "ui/timer_tick.h"

namespace {

bool g_apiErrWaiting = false; // a box is posted or being shown
// A failure has been told (shown, or posted to be) since the line last
// worked or a send last began.
bool g_failureTold = false;

void showApiErr() {
    g_apiErrWaiting = true;
    MsgBoxXShow(QStringLiteral("APIに異常がありました｡"), 0, QString());
    g_apiErrWaiting = false;
}

struct ErrnoNumber {
    int posixErrno;
    int number;
};

// errno -> the program's file-error number (what the user is told).
constexpr ErrnoNumber kErrnoNumbers[] = {
    {ENOENT, 53},  {EEXIST, 58},       {ENOSPC, 61},  {EDQUOT, 61},    {EFBIG, 61},  {EACCES, 70},
    {EPERM, 70},   {EROFS, 70},        {ETXTBSY, 70}, {EMFILE, 67},    {ENFILE, 67}, {EIO, 57},
    {ENOTDIR, 76}, {ENAMETOOLONG, 75}, {ELOOP, 75},   {EISDIR, 75},    {EINVAL, 52}, {EBADF, 52},
    {EBUSY, 55},   {ENXIO, 68},        {ENODEV, 68},  {ENOMEDIUM, 71},
};

const std::pair<int, const char16_t*> kMessages[] = {
    {52, u"ファイル名または番号が不正です｡"},
    {53, u"ファイルがみつかりません｡"},
    {54, u"ファイルモードが不正です｡"},
    {55, u"ファイルは既に開かれています｡"},
    {57, u"デバイスＩ／Ｏエラーです｡"},
    {58, u"既に同名のファイルが存在しています｡"},
    {59, u"レコード長が一致しません｡"},
    {61, u"ディスクの空き容量が不足しています｡"},
    {62, u"ファイルにこれ以上ファイルがありません｡"},
    {63, u"レコード番号が不正です｡"},
    {67, u"ファイルが多すぎます｡"},
    {68, u"デバイスが準備されていません｡"},
    {70, u"書込みできません｡"},
    {71, u"ディスクが準備されていません｡"},
    {74, u"ディスク名は変更できません｡"},
    {75, u"パス名が無効です｡"},
    {76, u"パスがみつかりません｡"},
    {kFileWriteFailed, u"ファイルへの書込み中にエラーが発生しました｡"},
    {kFileReadFailed, u"ファイルの読み込み中にエラーが発生しました｡"},
};

// errno values with no entry are shown as this base plus the errno, so the
// number in "予期せぬエラー" still tells what happened.
constexpr int kUnmappedErrnoBase = 1000;

} // namespace

void ApiErrMsg() {
    if (g_failureTold || g_apiErrWaiting || msgBoxXIsOpen()) return;
    g_failureTold = true;
    if (insideTimerTick()) {
        g_apiErrWaiting = true;
        runAfterTick([] {
            g_apiErrWaiting = false;
            // Another box came first: the failure is still to be told.
            if (msgBoxXIsOpen())
                g_failureTold = false;
            else
                showApiErr();
        });
        return;
    }
    showApiErr();
}

void ReadResultMsg(int16_t readOk) {
    if (readOk != 0)
        g_failureTold = false;
    else
        ApiErrMsg();
}

void ForgetToldFailure() {
    g_failureTold = false;
}

int fileErrorNumber(int posixErrno) {
    for (const auto& entry : kErrnoNumbers)
        if (entry.posixErrno == posixErrno) return entry.number;
    return kUnmappedErrnoBase + posixErrno;
}

QString fileErrMsgText(int errorNumber) {
    for (const auto& [number, text] : kMessages)
        if (number == errorNumber) return QString::fromUtf16(text);
    return QStringLiteral("予期せぬエラーが発生しました｡ ") + QString::number(errorNumber);
}

void FileErrMsg(int posixErrno) {
    FileErrMsgNumber(fileErrorNumber(posixErrno));
}

void FileErrMsgNumber(int errorNumber) {
    MsgBoxXShow(fileErrMsgText(errorNumber), 0, QString());
}

void FileWriteErrMsg() {
    MsgBoxXShow(QStringLiteral("ファイル書込みエラーが発生しました｡ "), 0, QString());
}
