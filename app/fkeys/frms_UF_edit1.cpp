#include "fkeys/frms_UF_edit1.h"

#include "core/error_messages.h"
#include "core/frms_ChrColor.h"
#include "core/settings.h"
#include "core/shared_state.h"
#include "fkeys/fkey_editor_store.h"
#include "fkeys/fkey_pages.h"
#include "ui/picture_box.h"
#include "ui/text_box_look.h"
#include "ui/text_length_limit.h"
#include "ui/twips.h"
#include "ui/window_placement.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

using twips::toPixels;

namespace {

constexpr int MinWidth = 11625, MinHeight = 8010; // twips
constexpr int TextLeft = 120, TextTop = 1380, PicFuncHeight = 1260;

} // namespace

void frms_UF_edit1::Show(QWidget* parent) {
    frms_UF_edit1 editor(parent);
    editor.Form_Load();
    editor.showModal();
}

frms_UF_edit1::frms_UF_edit1(QWidget* parent) : FKeyWindow(parent) {
    setWindowTitle(QStringLiteral("ﾕｰｻﾞｰ ﾌｧﾝｸｼｮﾝ Keyの登録・編集"));
    setSizeGripEnabled(true);
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    setWindowFlag(Qt::WindowMinimizeButtonHint, true);
    setMinimumSize(toPixels(MinWidth), toPixels(MinHeight));
    buildControls();
    connectHandlers();
}

void frms_UF_edit1::connectHandlers() {
    // What the user types or pastes may bring the box to UFEditMaxChars
    // characters as stored; a longer key loaded from its file stays whole.
    // (Connected first, so Text1_Change sees the text as kept.)
    new TextLengthLimit(Text1, UFEditMaxChars, [this] { return LoadingFlg != 1; });
    connect(Text1, &QPlainTextEdit::textChanged, this, [this] { Text1_Change(); });
    connect(Text2, &QLineEdit::textChanged, this, [this] { EditedFlg = 1; });
    for (int i = 0; i < 2; ++i) {
        connect(Option1[size_t(i)], &QRadioButton::clicked, this, [this, i] {
            EditedFlg = 1;
            Option1[size_t(i)]->setFocusPolicy(Qt::ClickFocus);
            if (FocusReadyFlg == 1) Text1->setFocus();
        });
        connect(Opt_Font[size_t(i)], &QRadioButton::clicked, this,
                [this, i] { Opt_Font_Click(i); });
    }
    connect(CmbFontSize, &QComboBox::textActivated, this,
            [this](const QString& t) { CmbFontSize_Click(t); });
    connect(Cmd_F_Color, &QPushButton::clicked, this, [this] { Cmd_F_Color_Click(); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(Command3, &QPushButton::clicked, this, [] { shared().StopFlg = 1; });
}

void frms_UF_edit1::Form_Load() {
    SharedState& s = shared();
    Settings& set = settings();
    s.FormUnloadFlg = 0;
    BusyFlg = 0;
    SizeReadyFlg = 0;
    InitFontSizeList();

    FocusReadyFlg = 0;
    LoadingFlg = 1;
    Text1->clear();
    Label1->setText(QStringLiteral("UF%1").arg(s.UFKeyNo));

    loaded_ = loadUFKeyForEdit(s.UFKeyNo);
    if (loaded_.found) s.SendFileLen = loaded_.fileLength;
    Text1->setPlainText(loaded_.text);
    showByteCount();
    switch (outputModeOfHeader(loaded_.header)) {
    case UFOutputMode::Normal:
        Option1[0]->setChecked(true);
        break;
    case UFOutputMode::Translated:
        Option1[1]->setChecked(true);
        break;
    case UFOutputMode::Unchanged:
        break;
    }

    if (set.UFEditFont < 0 || set.UFEditFont > 1) set.UFEditFont = 0;
    Opt_Font[size_t(set.UFEditFont)]->setChecked(true);
    Opt_Font_Click(set.UFEditFont);
    Text2->setText(loaded_.name);

    FocusReadyFlg = 1;
    LoadingFlg = 0;

    resizeToStored(this, std::max<int32_t>(set.UFEditWidth, MinWidth),
                   std::max<int32_t>(set.UFEditHeight, MinHeight));
    placeOnShow(this, runSettings().UFEdit1Left, runSettings().UFEdit1Top);

    applyTextColors();
    SizeReadyFlg = 1;
    hideProgressControls();
    Command3->hide();
    s.StopFlg = 1;
    s.UFHoverNo = UFHoverNone;
    EditedFlg = 0;
}

void frms_UF_edit1::InitFontSizeList() {
    text_box_look::fillFontSizes(CmbFontSize, settings().UFEditFontSize);
    text_box_look::setFontSize(Text1, settings().UFEditFontSize);
}

QByteArray frms_UF_edit1::storedData() const {
    return ufEditData(Text1->toPlainText(), loaded_);
}

void frms_UF_edit1::Text1_Change() {
    showByteCount();
    EditedFlg = 1;
}

void frms_UF_edit1::showByteCount() {
    Label2->setText(QString::number(storedData().size()));
}

int16_t frms_UF_edit1::SaveUFKey() {
    const bool translated = !Option1[0]->isChecked();
    const int error = saveUFKeyFromEdit(shared().UFKeyNo, translated, storedData(), Text2->text());
    if (error != 0) {
        FileErrMsg(error);
        return 0;
    }
    shared().UFHoverNo = UFHoverNone;
    return 1;
}

void frms_UF_edit1::Command1_Click() {
    if (SaveUFKey() != 1) return;
    Text1->clear();
    close();
}

void frms_UF_edit1::Command2_Click() {
    if (BusyFlg != 0) return;
    if (EditedFlg == 1) {
        EditedFlg = 0;
        if (SaveUFKey() != 1) {
            // Still unsaved: the next press tries the save again rather than
            // sending the key as it was.
            EditedFlg = 1;
            return;
        }
    }
    TestSendUFKey(shared().UFKeyNo);
    if (shared().FormUnloadFlg != 1) Text1->setFocus();
}

void frms_UF_edit1::TestSendUFKey(int keyNo) {
    sendKey(
        keyNo,
        [this](bool sending) {
            Command3->setVisible(sending);
            Command1->setEnabled(!sending);
            Text1->setEnabled(!sending);
            Text2->setEnabled(!sending);
        },
        nullptr);
}

void frms_UF_edit1::Opt_Font_Click(int index) {
    text_box_look::setFontChoice(Text1, index);
    settings().UFEditFont = int16_t(index);
    Opt_Font[size_t(index)]->setFocusPolicy(Qt::ClickFocus);
    Text1->setFocus();
}

void frms_UF_edit1::CmbFontSize_Click(const QString& text) {
    if (const auto size = text_box_look::fontSizeOf(text)) {
        text_box_look::setFontSize(Text1, *size);
        settings().UFEditFontSize = *size;
    }
    Text1->setFocus();
}

void frms_UF_edit1::Cmd_F_Color_Click() {
    Settings& set = settings();
    if (frms_ChrColor::Run(set.UFEditBackColor, set.UFEditForeColor, this) == 1) applyTextColors();
    Text1->setFocus();
}

void frms_UF_edit1::applyTextColors() {
    text_box_look::setColors(Text1, settings().UFEditBackColor, settings().UFEditForeColor);
}

void frms_UF_edit1::LayoutEditor() {
    if (isMinimized()) return;
    if (SizeReadyFlg == 1 && !isMaximized()) {
        settings().UFEditWidth = twips::fromPixels(width());
        settings().UFEditHeight = twips::fromPixels(height());
    }
    const int left = toPixels(TextLeft), top = toPixels(TextTop), strip = toPixels(PicFuncHeight);
    const int gap = 7;
    Text1->setGeometry(left, top, width() - 2 * left, std::max(0, height() - top - strip - gap));
    PicFunc->setGeometry(0, Text1->y() + Text1->height() + gap, width(), strip);
    centreProgressFrame();
}

void frms_UF_edit1::resizeEvent(QResizeEvent* event) {
    FKeyWindow::resizeEvent(event);
    LayoutEditor();
}

void frms_UF_edit1::Form_Unload() {
    if (!isMinimized() && !isMaximized())
        rememberPlace(this, runSettings().UFEdit1Left, runSettings().UFEdit1Top);
}

bool frms_UF_edit1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Text1) {
        if (event->type() == QEvent::FocusIn) LoadingFlg = 0;
        // Ctrl+Z typed as a character (26) never enters the key.
        if (event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(event)->text() == QString(QChar(0x1A)))
            return true;
    }
    return FKeyWindow::eventFilter(watched, event);
}
