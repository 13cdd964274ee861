// The window: its thirteen controls on the form, start-up and closing.
#include "app/form1.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <filesystem>

#include "app/asker.h"
#include "app/commandactions.h"
#include "app/keyclaim.h"
#include "app/palettecontrol.h"
#include "app/messages.h"
#include "app/recoveryoffer.h"
#include "app/tilesheetfile.h"
#include "model/palette.h"
#include "view/mapview.h"
#include "view/palettepanel.h"

namespace kelmor {

namespace {
constexpr int kClientWidth = 565;
constexpr int kClientHeight = 329;

// The folder as an absolute path with no trailing slash: the level file's
// path is the folder, a slash and its name, in notices and recovery files.
std::string absoluteFolder(const std::string& folder)
{
    std::string path = std::filesystem::absolute(folder).lexically_normal().string();
    if (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}

template <class W>
W* place(W* widget, const char* name, int left, int top, int width, int height, const QString& accessibleName)
{
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(left, top, width, height);
    widget->setAccessibleName(accessibleName);
    return widget;
}
}  // namespace

Form1::Form1(const std::string& folder, Asker& asker, FileOps& fileOps, FileOps* recoveryOps)
    : Form1(folder, kLevelFileName, asker, fileOps, recoveryOps)
{}

Form1::Form1(const std::string& folder, const std::string& levelName, Asker& asker, FileOps& fileOps,
             FileOps* recoveryOps)
    : folder_(absoluteFolder(folder)),
      asker_(asker),
      fileOps_(fileOps),
      document_(fileOps, folder_, levelName, recoveryOps)
{
    createControls();
    createActions();
    createPanels();
    createTools();
    createMenus();
    followDocument();
    Form_Load();
}

Form1::~Form1() = default;

void Form1::createControls()
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("kelmor-x map editor"));
    // The form's layout is fixed: no layout manager, so nothing in it moves.
    // Whatever the window gains stands around it, never inside it.
    form_ = new QWidget(this);
    form_->setObjectName(QStringLiteral("form"));
    form_->setFixedSize(kClientWidth, kClientHeight);
    setCentralWidget(form_);
    // Small enough for every caption to fit its fixed box, Japanese included.
    QFont small = font();
    small.setPixelSize(12);
    form_->setFont(small);

    // Only controls whose text does not say what they are get an accessible
    // name: a name replaces what a screen reader would read of the text.
    Label1 = place(new QLabel(QStringLiteral("1"), form_), "Label1", 8, 0, 65, 17, {});
    Command7 = place(new QPushButton(QStringLiteral("|<"), form_), "Command7", 80, 0, 33, 25, tr("最初のマップ"));
    Command4 = place(new QPushButton(QStringLiteral("<"), form_), "Command4", 112, 0, 33, 25, tr("前のマップ"));
    Command2 = place(new QPushButton(QStringLiteral(">"), form_), "Command2", 144, 0, 33, 25, tr("次のマップ"));
    Command6 = place(new QPushButton(QStringLiteral(">|"), form_), "Command6", 176, 0, 33, 25, tr("最後のマップ"));
    Text1 = place(new QLineEdit(QStringLiteral("Text1"), form_), "Text1", 216, 0, 97, 18, tr("マップのヘッダー"));
    Label2 = place(new QLabel(tr("[左クリック]=PUT ／ 　[右クリック]=GET"), form_), "Label2", 328, 0, 225, 17, {});
    QFont hintFont = small;
    hintFont.setPixelSize(11);
    Label2->setFont(hintFont);
    Picture2 = place(new MapView(form_), "Picture2", 0, 24, 545, 273, tr("マップ表示"));
    Picture1 = place(new QWidget(form_), "Picture1", 48, 24, 177, 49, tr("タイル画像"));
    Combo1 = place(new QComboBox(form_), "Combo1", 8, 304, 177, 20, tr("パレット"));
    Command1 = place(new QPushButton(tr("マップ保存"), form_), "Command1", 224, 304, 81, 25, {});
    Command5 = place(new QPushButton(tr("マップ作成"), form_), "Command5", 312, 304, 89, 25, {});
    Command3 = place(new QPushButton(tr("マップ消去"), form_), "Command3", 432, 304, 73, 25, {});

    // As long as the loader takes a header: a long paste is cut where it is
    // pasted, never held whole (the document keeps the bytes within it too).
    Text1->setMaxLength(static_cast<int>(kMaxHeaderBytes));
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    // Typed text stays as typed: no completion, no change of case.
    Combo1->setCompleter(nullptr);
    Combo1->setEditText(QStringLiteral("Combo1"));
    for (QPushButton* b : {Command1, Command2, Command3, Command4, Command5, Command6, Command7})
        b->setAutoDefault(false);
    // The window's keys reach a text box's own undo and redo, and the
    // palette's own paging, only when the box claims them first.
    claimEditingKeys(Text1);
    claimEditingKeys(Combo1);
    claimPagingKeys(Combo1);

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

    connect(Picture2, &MapView::pressed, this, &Form1::Picture2_MouseDown);
    connect(Text1, &QLineEdit::textChanged, this, &Form1::Text1_Change);
}

void Form1::followDocument()
{
    connect(&document_, &MapDocument::mapNoChanged, this, &Form1::showMapNo);
    connect(&document_, &MapDocument::headerChanged, this, [this](const QString& header) {
        if (Text1->text() != header) {
            Text1->setText(header);
            // A long header shows its start, where its name is.
            Text1->setCursorPosition(0);
        }
    });
    connect(&document_, &MapDocument::rowsChanged, this, &Form1::subDraw);
    connect(&document_, &MapDocument::cellChanged, this, [this](CellPos cell) {
        Picture2->redrawCell(cell.row, cell.column, document_.rows(), parts_, tileSheet_);
    });
    connect(&document_.recovery(), &RecoveryPolicy::failed, this,
            [this](const FileFailure& failure) { asker_.notify(recoveryFailureText(failure)); });
}

void Form1::Form_Load()
{
    parts_ = standardCatalogue();
    palette_->fill(parts_);
    std::error_code ignored;  // a folder that cannot be entered is told when its files cannot be read
    std::filesystem::current_path(folder_, ignored);
    Picture1->hide();
    Picture2->resize(560, Picture2->height());
    Picture2->resize(Picture2->width(), 272);
    loadTileSheet();
    palette_->draw(parts_, tileSheet_);
    subMapload(1);
    // An editor that died while saving left its scratch file; its edits are
    // in its recovery file.
    document_.levelFile().removeStaleScratch();
    offerRecovery(document_, asker_, [this](MapNumber mapNo) { subMapload(mapNo); });
    watchFiles();
}

TileSheet::Status Form1::readTileSheet(TileSheet& sheet)
{
    // Stamped before reading: a change while it is read is seen later.
    stampFile(fileOps_, tileSheetPath(folder_), tileStamp_);
    return readTileSheetFile(fileOps_, folder_, sheet);
}

void Form1::loadTileSheet()
{
    if (const TileSheet::Status status = readTileSheet(tileSheet_); status != TileSheet::Status::Loaded)
        asker_.notify(tileSheetFailureText(status));
}

void Form1::setCommandsEnabled(bool enabled)
{
    commands_->setMapCommandsEnabled(enabled);
}

QMenu* Form1::createPopupMenu()
{
    // The bars are shown and hidden from 表示 alone, which then always tells
    // the truth.
    return nullptr;
}

void Form1::closeEvent(QCloseEvent* event)
{
    if (!Form_Unload()) {
        event->ignore();
        return;
    }
    document_.close();
    event->accept();
}

}  // namespace kelmor
