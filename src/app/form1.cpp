// The window: its thirteen controls and start-up.
#include "app/form1.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFont>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <cstring>

#include "app/asker.h"
#include "model/palette.h"
#include "view/mapview.h"

namespace kelmor {

namespace {
constexpr int kClientWidth = 565;
constexpr int kClientHeight = 329;
constexpr const char* kTileSheetName = "kelmor.bmp";
// Each step holds a cell or one map's rows, so this many cost a few MB at most.
constexpr int kHistorySteps = 20000;
// Well within the second of work that a crash may lose at most.
constexpr int kRecoveryDelayMs = 100;

template <class W>
W* place(W* widget, const char* name, int left, int top, int width, int height,
         const QString& accessibleName)
{
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(left, top, width, height);
    widget->setAccessibleName(accessibleName);
    return widget;
}
}  // namespace

Form1::Form1(const QString& folder, Asker& asker, FileOps& fileOps, FileOps* recoveryOps)
    : Form1(folder, QString::fromLatin1(kLevelFileName), asker, fileOps, recoveryOps)
{
}

Form1::Form1(const QString& folder, const QString& levelName, Asker& asker, FileOps& fileOps,
             FileOps* recoveryOps)
    : folder_(QDir(folder).absolutePath()),
      asker_(asker),
      levelFile_(fileOps, folder_.toStdString(), levelName.toStdString()),
      ownRecoveryOps_(recoveryOps ? nullptr : makePosixFileOps()),
      recoveryFiles_(recoveryOps ? *recoveryOps : *ownRecoveryOps_, folder_.toStdString(), levelName.toStdString()),
      recoveryKeeper_(std::make_unique<RecoveryKeeper>(recoveryFiles_, [this](const FileFailure& failure) {
          // Told on the window's thread, between its events.
          QMetaObject::invokeMethod(this, [this, failure] { reportRecoveryFailure(failure); },
                                    Qt::QueuedConnection);
      }))
{
    history_.setUndoLimit(kHistorySteps);
    recoveryTimer_.setSingleShot(true);
    recoveryTimer_.setInterval(kRecoveryDelayMs);
    connect(&recoveryTimer_, &QTimer::timeout, this, &Form1::updateRecovery);
    connect(&history_, &QUndoStack::indexChanged, this, [this] {
        recoveryDue_ = true;
        scheduleRecovery();
    });
    createControls();
    Form_Load();
}

Form1::~Form1()
{
    // The history empties itself as it goes, which is no edit to keep.
    history_.disconnect(this);
}

void Form1::createControls()
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("kelmor-x map editor"));
    // The layout is fixed: no layout manager, so a resized window moves nothing.
    resize(kClientWidth, kClientHeight);
    // Small enough for every caption to fit its fixed box, Japanese included.
    QFont small = font();
    small.setPixelSize(12);
    setFont(small);

    // Only controls whose text does not say what they are get an accessible
    // name: a name replaces what a screen reader would read of the text.
    Label1 = place(new QLabel(QStringLiteral("1"), this), "Label1", 8, 0, 65, 17, {});
    Command7 = place(new QPushButton(QStringLiteral("|<"), this), "Command7", 80, 0, 33, 25,
                     QStringLiteral("最初のマップ"));
    Command4 = place(new QPushButton(QStringLiteral("<"), this), "Command4", 112, 0, 33, 25,
                     QStringLiteral("前のマップ"));
    Command2 = place(new QPushButton(QStringLiteral(">"), this), "Command2", 144, 0, 33, 25,
                     QStringLiteral("次のマップ"));
    Command6 = place(new QPushButton(QStringLiteral(">|"), this), "Command6", 176, 0, 33, 25,
                     QStringLiteral("最後のマップ"));
    Text1 = place(new QLineEdit(QStringLiteral("Text1"), this), "Text1", 216, 0, 97, 18,
                  QStringLiteral("マップのヘッダー"));
    Label2 = place(new QLabel(QStringLiteral("[左クリック]=PUT ／ 　[右クリック]=GET"), this), "Label2",
                   328, 0, 225, 17, {});
    QFont hintFont = small;
    hintFont.setPixelSize(11);
    Label2->setFont(hintFont);
    Picture2 = place(new MapView(this), "Picture2", 0, 24, 545, 273, QStringLiteral("マップ表示"));
    Picture1 = place(new QWidget(this), "Picture1", 48, 24, 177, 49, QStringLiteral("タイル画像"));
    Combo1 = place(new QComboBox(this), "Combo1", 8, 304, 177, 20, QStringLiteral("パレット"));
    Command1 = place(new QPushButton(QStringLiteral("マップ保存"), this), "Command1", 224, 304, 81, 25, {});
    Command5 = place(new QPushButton(QStringLiteral("マップ作成"), this), "Command5", 312, 304, 89, 25, {});
    Command3 = place(new QPushButton(QStringLiteral("マップ消去"), this), "Command3", 432, 304, 73, 25, {});

    // As long as the loader takes a header: a long paste is cut where it is
    // pasted, never held whole (Text1_Change keeps the bytes within it too).
    Text1->setMaxLength(static_cast<int>(kMaxHeaderBytes));
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    // Typed text stays as typed: no completion, no change of case.
    Combo1->setCompleter(nullptr);
    Combo1->setEditText(QStringLiteral("Combo1"));
    for (QPushButton* b : {Command1, Command2, Command3, Command4, Command5, Command6, Command7})
        b->setAutoDefault(false);

    setTabOrder(Picture2, Text1);
    setTabOrder(Text1, Combo1);
    setTabOrder(Combo1, Command1);
    setTabOrder(Command1, Command2);
    setTabOrder(Command2, Command3);
    setTabOrder(Command3, Command4);
    setTabOrder(Command4, Command5);
    setTabOrder(Command5, Command6);
    setTabOrder(Command6, Command7);
    Picture2->setFocus();

    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Form1::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &Form1::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &Form1::Command6_Click);
    connect(Command7, &QPushButton::clicked, this, &Form1::Command7_Click);
    connect(Picture2, &MapView::pressed, this, &Form1::Picture2_MouseDown);
    connect(Picture2, &MapView::cursorMoved, this, &Form1::describeCursor);
    connect(Text1, &QLineEdit::textChanged, this, &Form1::Text1_Change);
}

void Form1::buildCatalogueAndPalette()
{
    mapNo = 1;
    parts = standardCatalogue();
    const Palette palette = buildPalette(parts);
    Combo1->clear();
    for (const std::string& item : palette.items)
        Combo1->addItem(QString::fromStdString(item));
    partsMax = static_cast<std::int16_t>(palette.partsMax);
    Combo1->setCurrentIndex(0);
}

void Form1::Form_Load()
{
    buildCatalogueAndPalette();
    QDir::setCurrent(folder_);
    Picture1->hide();
    Picture2->resize(560, Picture2->height());
    Picture2->resize(Picture2->width(), 272);

    const QString sheetPath = QDir(folder_).filePath(QString::fromLatin1(kTileSheetName));
    switch (tileSheet.load(sheetPath)) {
    case TileSheet::Status::Loaded:
        break;
    case TileSheet::Status::Missing:
        asker_.notify(QStringLiteral("kelmor.bmp is not found"));
        break;
    case TileSheet::Status::Unreadable:
        asker_.notify(QStringLiteral("kelmor.bmp をビットマップとして読み込めません。"
                                     "マップのタイルは表示されません。"));
        break;
    }
    subMapload();
    // An editor that died while saving left its scratch file; its edits are
    // in its recovery file.
    levelFile_.removeStaleScratch();
    offerRecovery();
}

QString Form1::reasonOf(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

void Form1::setCommandsEnabled(bool enabled)
{
    for (QPushButton* b : {Command1, Command2, Command3, Command4, Command5, Command6, Command7})
        b->setEnabled(enabled);
}

void Form1::keyPressEvent(QKeyEvent* event)
{
    // Reaches the window only when the focused control left the key alone.
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const QKeyCombination keys(modifiers, static_cast<Qt::Key>(event->key()));
    // A text box keeps its own undo, also for keys it does not know itself.
    const bool inTextBox = qobject_cast<QLineEdit*>(focusWidget()) != nullptr;
    if (event->matches(QKeySequence::Undo)) {
        if (!inTextBox)
            undoEdit();
    } else if (event->matches(QKeySequence::Redo) || keys == (Qt::ControlModifier | Qt::ShiftModifier | Qt::Key_Z) ||
               keys == (Qt::ControlModifier | Qt::Key_Y)) {
        if (!inTextBox)
            redoEdit();
    } else if (event->matches(QKeySequence::Save)) {
        Command1->click();
    } else if (keys == QKeyCombination(Qt::Key_PageUp)) {
        Command4->click();
    } else if (keys == QKeyCombination(Qt::Key_PageDown)) {
        Command2->click();
    } else if (keys == (Qt::ControlModifier | Qt::Key_Home)) {
        Command7->click();
    } else if (keys == (Qt::ControlModifier | Qt::Key_End)) {
        Command6->click();
    } else {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void Form1::closeEvent(QCloseEvent* event)
{
    if (!Form_Unload()) {
        event->ignore();
        return;
    }
    // Saved, given up or never changed: a clean exit leaves no recovery file.
    recoveryDue_ = false;
    settleRecovery();
    event->accept();
}

}  // namespace kelmor
