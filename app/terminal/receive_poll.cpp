#include "terminal/receive_poll.h"

#include "core/capture_end.h"
#include "core/capture_marks.h"
#include "core/error_messages.h"
#include "core/settings.h"
#include "core/shared_state.h"
#include "core/tovaline_api.h"
#include "display/display_state.h"
#include "terminal/byte_totals.h"
#include "terminal/graph_draw.h"
#include "terminal/main_layout.h"
#include "terminal/scroll_math.h"
#include "terminal/t_term_frm.h"
#include "ui/vb_color.h"

#include <QScrollBar>

#include <algorithm>

namespace {

using namespace vbcolors;

constexpr int PageBufferSize = 1800;
constexpr int16_t FirstByteMode = 10;

// How a caller of the step treats what it read.
struct StepOptions {
    bool skipWhenNothingRead = false;    // the poll: no bytes, no redraw
    bool setMaxOnlyWhenRead = false;     // the scroll handler
    bool valueToMax = false;             // the poll: the bar goes to the newest page
    bool hideWhenShort = false;          // the refresh procedures
    bool skipBarWhenNothingRead = false; // RefreshMainScreenToEnd
};

// Sets the bar while the scroll handler ignores the change it raises.
class ProgramScrollChange {
  public:
    ProgramScrollChange() { rcvView().ScrollSetFlg = 1; }
    ~ProgramScrollChange() { rcvView().ScrollSetFlg = 0; }
    ProgramScrollChange(const ProgramScrollChange&) = delete;
    ProgramScrollChange& operator=(const ProgramScrollChange&) = delete;
};

// The port is read only while it is open and no other part of the program
// reads it itself.
int16_t readFlag() {
    const SharedState& s = shared();
    return (s.ComOpenFlg != 0 && !s.PortInputOwned) ? s.ComOpenFlg : int16_t{0};
}

void endCaptureIfDue() {
    SharedState& s = shared();
    if (!captureMustEnd(s.LogFlg, s.LogTotal, s.LogLimitKB)) return;
    s.LogFlg = 0;
    lib().LogStop();
    ShowCaptureMarks(CaptureMark::None);
    s.LogFilePath.clear();
    if (s.LogTotal == TOVALINE_LOG_ENDED) s.LogErrFlg = 1;
}

void showReceivedTotal() {
    SharedState& s = shared();
    QLabel* label = mainForm().Label4;
    if (addReceivedBytes(s.RcvTotal, rcvView().RcvReadLen)) {
        label->setText(formatCount(s.RcvTotal));
    } else {
        vbcolor::setForeColor(label, Red);
    }
}

// A text page that ends where a new line begins: its last line, the one
// being filled, is still empty.
bool endsAtLineStart(const QByteArray& page) {
    return page.isEmpty() || page.back() == '\n';
}

// Whether the line being filled is still empty, which only the newest page
// shows: read without taking bytes from the port.
bool newestTextLineEmpty() {
    QByteArray page(PageBufferSize, '\0');
    int32_t pageLen = 0, bytesRead = 0, total = 0, logTotal = 0;
    int16_t ok = 0;
    lib().ReadDisp(page.data(), &pageLen, scroll_math::NewestData, &bytesRead, &total, 0, &logTotal,
                   &ok, 0, 0);
    page.truncate(std::clamp(pageLen, 0, PageBufferSize));
    return endsAtLineStart(page);
}

void setPageScrollBar(int32_t lineCount, bool valueToMax, bool hideWhenShort) {
    QScrollBar* bar = mainForm().VScroll1;
    if (lineCount > scroll_math::PageLines) {
        ProgramScrollChange programChange;
        bar->show();
        bar->setMaximum(scroll_math::pageScrollMax(lineCount));
        if (valueToMax) bar->setValue(bar->maximum());
        bar->setPageStep(scroll_math::PageLines);
    } else if (hideWhenShort) {
        bar->hide();
    }
}

// The read-and-draw step, from page start T or byte start G.
void readAndDraw(int32_t textStart, int32_t byteStart, const StepOptions& opt) {
    SharedState& s = shared();
    ReceiveView& v = rcvView();
    const int16_t mode = settings().DispMode;
    const bool byteMode = mode >= FirstByteMode;

    QByteArray page(PageBufferSize, '\0');
    int32_t pageLen = 0;
    int32_t count = 0;
    // Some modes leave the total untouched; it starts at 0 for every call.
    int32_t total = 0;
    v.RcvReadLen = 0;
    if (byteMode) {
        DisplayState& d = displayState();
        d.RcvDispBytes.fill(0);
        // The buffer holds 1024 bytes from index 1: never ask for more.
        const auto points = static_cast<int16_t>(std::min<int>(d.GraphPoints, 1024));
        lib().ReadDispGraph(d.RcvDispBytes.data() + 1, &count, byteStart, &v.RcvReadLen, &total,
                            s.LogFlg, &s.LogTotal, &s.ReadDispOk, readFlag(), points, mode);
    } else {
        lib().ReadDisp(page.data(), &pageLen, textStart, &v.RcvReadLen, &total, s.LogFlg,
                       &s.LogTotal, &s.ReadDispOk, readFlag(), mode);
    }
    ReadResultMsg(s.ReadDispOk);

    const bool nothingRead = v.RcvReadLen == 0;
    if (nothingRead && opt.skipWhenNothingRead) return;
    endCaptureIfDue();
    showReceivedTotal();

    if (byteMode) {
        displayState().GraphDataLen = count;
        DrawGraph();
        UpdateMainScroll(total, displayState().GraphPoints, byteStart);
        return;
    }
    pageLen = std::clamp(pageLen, 0, PageBufferSize);
    page.truncate(pageLen);
    PrintRcvText(page);
    if (opt.setMaxOnlyWhenRead && nothingRead) return;
    if (opt.skipBarWhenNothingRead && nothingRead) return;
    const bool newestLineEmpty =
        mode == DispChr &&
        (textStart == scroll_math::NewestData ? endsAtLineStart(page) : newestTextLineEmpty());
    const int32_t lines = scroll_math::pageLineCount(mode, total, newestLineEmpty);
    setPageScrollBar(lines,
                     opt.valueToMax || (opt.hideWhenShort && textStart == scroll_math::NewestData),
                     opt.hideWhenShort);
}

void showSentTotal() {
    int32_t sent = 0;
    lib().ReadSendSu(&sent);
    QLabel* label = mainForm().Label8;
    if (sent >= TOVALINE_COUNT_MAX) vbcolor::setForeColor(label, Red);
    label->setText(formatCount(sent));
}

void refresh(bool toEnd) {
    ReceiveView& v = rcvView();
    if (v.ScrollSetFlg != 0) return;
    T_Term_frm& f = mainForm();
    const scroll_math::RefreshStart start =
        scroll_math::keptPosition(settings().DispMode, shared().PrevDispMode, f.VScroll1->value(),
                                  v.DispTopLine, f.VScroll1->isVisible());
    if (start.resetTopLine) v.DispTopLine = 0;
    int32_t textStart = start.textStart;
    if (toEnd && f.VScroll1->value() == f.VScroll1->maximum()) textStart = scroll_math::NewestData;
    StepOptions opt;
    opt.hideWhenShort = true;
    opt.skipBarWhenNothingRead = toEnd;
    readAndDraw(textStart, start.byteStart, opt);
}

} // namespace

ReceiveView& rcvView() {
    static ReceiveView view;
    return view;
}

void Timer1_Timer() {
    if (shared().ComOpenFlg == 0) return;
    StepOptions opt;
    opt.skipWhenNothingRead = true;
    opt.valueToMax = true;
    readAndDraw(scroll_math::NewestData, scroll_math::NewestData, opt);
    showSentTotal();
}

void VScroll1_Change() {
    ReceiveView& v = rcvView();
    if (v.ScrollSetFlg != 0) return;
    QScrollBar* bar = mainForm().VScroll1;
    StepOptions opt;
    opt.setMaxOnlyWhenRead = true;
    if (settings().DispMode >= FirstByteMode) {
        const int32_t byteStart =
            scroll_math::moveByteScroll(settings().DispMode, v.DispScrollValue, bar->value(),
                                        bar->pageStep(), v.DispTopLine, v.DispMaxTop);
        readAndDraw(scroll_math::NewestData, byteStart, opt);
        return;
    }
    const int32_t textStart =
        bar->value() == bar->maximum() ? scroll_math::NewestData : bar->value();
    readAndDraw(textStart, scroll_math::NewestData, opt);
}

void RefreshMainScreen() {
    refresh(false);
}
void RefreshMainScreenToEnd() {
    refresh(true);
}

void UpdateMainScroll(int32_t total, int16_t page, int32_t pos) {
    ReceiveView& v = rcvView();
    QScrollBar* bar = mainForm().VScroll1;
    const scroll_math::ByteScrollBar set = scroll_math::byteScrollBar(
        total, page, pos, settings().DispMode, v.DispTopLine, v.DispMaxTop);
    if (!set.visible) {
        bar->hide();
        return;
    }
    ProgramScrollChange programChange;
    bar->show();
    bar->setMaximum(set.max);
    bar->setValue(set.value);
    bar->setPageStep(set.largeChange);
    v.DispScrollValue = static_cast<int16_t>(set.value);
}
