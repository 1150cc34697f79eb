#include "views/main_window.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QStatusBar>
#include <QTableWidget>

#include <QFileInfo>
#include <QThread>

#include "capture/frame_decoder.h"
#include "files/settings_dialog.h"
#include "files/table_export.h"
#include "platform/atomic_file.h"
#include "platform/codec_1251.h"
#include "capture/reading_control.h"
#include "platform/port_map.h"
#include "shell/capture_events.h"
#include "files/description_window.h"
#include "graph/graph_window.h"
#include "shell/about_window.h"
#include "shell/help_window.h"
#include "shell/program.h"
#include "shell/window_frame.h"
#include "views/big_display.h"
#include "views/dashboard.h"
#include "views/main_layout.h"
#include "views/pictures.h"

namespace kestrovin {
namespace {

constexpr int kClientHeight = 608;
constexpr int kListTop = 24;
constexpr int kListHeight = 481;
constexpr int kRowHeight = 16;

QString Q(const std::string& text) { return QString::fromStdString(text); }

QFont Bold(QFont font) {
    font.setBold(true);
    return font;
}

void FillColumn(QTableWidget* list, const QStringList& texts) {
    list->setUpdatesEnabled(false);
    list->setRowCount(static_cast<int>(texts.size()));
    for (int row = 0; row < texts.size(); ++row) {
        QTableWidgetItem* item = list->item(row, 0);
        if (item == nullptr) {
            item = new QTableWidgetItem;
            list->setItem(row, 0, item);
        }
        item->setText(texts[row]);
    }
    list->setUpdatesEnabled(true);
    list->viewport()->update();
}

QString Cell(const QTableWidget* list, int row) {
    return list->item(row, 0) != nullptr ? list->item(row, 0)->text() : QString();
}

QStringList ColumnTexts(const QTableWidget* list) {
    QStringList texts;
    for (int row = 0; row < list->rowCount(); ++row)
        texts << (list->item(row, 0) != nullptr ? list->item(row, 0)->text() : QString());
    return texts;
}

}  // namespace

TForm1::TForm1(Program& program) : program_(program), playback_(*this) {
    auto* client = new QWidget(this);
    setCentralWidget(client);
    SetUpWindowFrame(this, "TForm1", QStringLiteral("Kestrovin"), QSize(260, kClientHeight), WindowBorder::FixedSingle);
    BuildControls(client);
    BuildMenu();

    Timer1.setSingleShot(true);
    Timer1.setInterval(30);
    connect(&Timer1, &QTimer::timeout, this, [this] { program_.recording().AppendFrame(); });
    Timer4.setInterval(1000);
    connect(&Timer4, &QTimer::timeout, this, [this] { playback_.Timer4Timer(); });
    Timer5.setSingleShot(true);
    Timer5.setInterval(10);
    Timer6.setSingleShot(true);
    Timer6.setInterval(250);
    connect(&Timer6, &QTimer::timeout, this, [this] {
        // Windows that were open at the last exit come back.
        if (program_.settings.Graphs) program_.ShowWindow(program_.graph_window());
        if (program_.settings.Metodika) program_.ShowWindow(program_.help_window());
        if (program_.settings.Graphs || program_.settings.Metodika) activateWindow();
        program_.startup_complete = true;
    });
    Timer7.setSingleShot(true);
    Timer7.setInterval(kLinkIndicatorTimeoutMs);
    connect(&Timer7, &QTimer::timeout, this, [this] {
        program_.indicator.Timer7Timer();
        ShowLinkPicture();
    });

    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, [this] {
        if (program_.startup_complete) close();
    });

    SetLedDSR(0);
    ApplyLayout();
    layout()->activate();  // fixes the window size around the client area and the menu
}

QTableWidget* TForm1::MakeColumn(QWidget* parent, const QString& header, int column_width, QRect geometry) {
    auto* list = new QTableWidget(0, 1, parent);
    list->setHorizontalHeaderLabels({header});
    list->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    list->horizontalHeader()->resizeSection(0, column_width);
    list->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    list->horizontalHeader()->setFixedHeight(18);
    list->verticalHeader()->hide();
    list->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    list->verticalHeader()->setMinimumSectionSize(kRowHeight);
    list->verticalHeader()->setDefaultSectionSize(kRowHeight);
    list->setShowGrid(true);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setSelectionMode(QAbstractItemView::NoSelection);
    list->setFocusPolicy(Qt::NoFocus);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setWordWrap(false);
    list->setGeometry(geometry);
    return list;
}

void TForm1::BuildControls(QWidget* client) {
    // A narrow sans-serif face keeps the longest names inside their 150-pixel column.
    QFont table_font(QStringLiteral("Liberation Sans"));
    table_font.setPixelSize(11);
    client->setFont(table_font);
    ComboBox1 = new QComboBox(client);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setEditable(true);
    ComboBox1->setToolTip(QStringLiteral("Com port"));
    ComboBox1->setGeometry(1, 1, 72, 22);

    Button1 = new QPushButton(QStringLiteral("Читать"), client);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setToolTip(QStringLiteral("Начать/остановить чтение данных с порта"));
    Button1->setGeometry(75, 0, 62, 24);
    connect(Button1, &QPushButton::clicked, this, &TForm1::Button1Click);

    Button6 = new QPushButton(QStringLiteral(">"), client);
    Button6->setObjectName(QStringLiteral("Button6"));
    Button6->setToolTip(QStringLiteral("Проиграть с этого места/остановить"));
    Button6->setGeometry(139, 0, 26, 24);
    connect(Button6, &QPushButton::clicked, this, [this] { playback_.Button6Click(); });

    Button5 = new QPushButton(QStringLiteral("Удал.кадр"), client);
    Button5->setObjectName(QStringLiteral("Button5"));
    Button5->setToolTip(QStringLiteral("Удалить текуший кадр"));
    Button5->setGeometry(167, 0, 91, 24);
    connect(Button5, &QPushButton::clicked, this, &TForm1::Button5Click);

    ListView1 = MakeColumn(client, QStringLiteral("Параметр"), 150, QRect(0, kListTop, 161, kListHeight));
    ListView2 = MakeColumn(client, QStringLiteral("Значение"), 90, QRect(160, kListTop, 97, kListHeight));
    ListView6 = MakeColumn(client, QStringLiteral("Значение"), 90, QRect(259, kListTop, 97, kListHeight));
    QFont small_bold = Bold(font());
    small_bold.setPixelSize(11);
    Label1 = new QLabel(QStringLiteral("Байты"), client);
    Label2 = new QLabel(QStringLiteral("протокола"), client);
    Label1->setGeometry(262, 0, 94, 12);
    Label2->setGeometry(262, 11, 94, 12);
    for (QLabel* label : {Label1, Label2}) label->setFont(small_bold);

    for (int i = 0; i < 3; ++i) {
        samples_[static_cast<std::size_t>(i)] =
            MakeColumn(client, QStringLiteral("Значение"), 90, QRect(256 + 98 * i, kListTop, 97, kListHeight));
        auto* button = new QPushButton(QStringLiteral("№%1").arg(i + 1), client);
        button->setFont(Bold(font()));
        button->setToolTip(QStringLiteral("Левая-записать/правая-очистить"));
        button->setGeometry(269 + 98 * i, 0, 75, 23);
        button->installEventFilter(this);
        sample_buttons_[static_cast<std::size_t>(i)] = button;
    }

    Edit1 = new QLineEdit(QStringLiteral("Нет данных"), client);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setReadOnly(true);
    Edit1->setFont(Bold(font()));
    Edit1->setToolTip(QStringLiteral("Отображается некоторая справочная информация"));
    Edit1->setFocusPolicy(Qt::NoFocus);

    Panel1 = new QFrame(client);
    Panel1->setFrameShape(QFrame::Panel);
    Panel1->setFrameShadow(QFrame::Sunken);
    Panel1->setGeometry(0, 528, 20, 20);
    Image1 = new QLabel(Panel1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setScaledContents(true);
    Image1->setGeometry(2, 4, 15, 12);

    ScrollBar1 = new QScrollBar(Qt::Horizontal, client);
    ScrollBar1->setObjectName(QStringLiteral("ScrollBar1"));
    ScrollBar1->setRange(1, 1);
    ScrollBar1->setPageStep(10);
    ScrollBar1->setToolTip(QStringLiteral("Позиция относительно всей записи"));
    connect(ScrollBar1, &QScrollBar::valueChanged, this, [this](int p) { program_.recording().ScrollBar1Change(p); });

    for (int i = 0; i < 10; ++i) {
        auto* button = new QPushButton(QStringLiteral("0"), client);
        button->setObjectName(QStringLiteral("BitBtn%1").arg(i + 1));
        button->setToolTip(QStringLiteral("Запомнить номер кадра - левая кнопка мыши, очистить - правая кнопка"));
        button->installEventFilter(this);
        bookmarks_[static_cast<std::size_t>(i)] = button;
    }

    auto* status = new QStatusBar(client);
    status->setSizeGripEnabled(false);
    status_text_ = new QLabel(status);
    status_text_->setMinimumWidth(50);
    status->addWidget(status_text_, 1);
    status->setObjectName(QStringLiteral("StatusBar1"));
    status->setGeometry(0, 589, 260, 19);

    Memo1 = new QPlainTextEdit(client);  // diagnostic listing; no command shows it
    Memo1->setReadOnly(true);
    Memo1->hide();
}

void TForm1::BuildMenu() {
    const std::vector<QIcon> images = MenuImages();
    auto add = [&](QMenu* menu, const char* text, int image, auto handler) {
        QAction* action = menu->addAction(QString::fromUtf8(text), this, handler);
        if (image >= 0) action->setIcon(images[static_cast<std::size_t>(image)]);
        return action;
    };
    // All four menus fit the 260-pixel window on one line.
    QFont menu_font(QStringLiteral("Liberation Sans"));
    menu_font.setPixelSize(12);
    menuBar()->setFont(menu_font);
    menuBar()->setStyleSheet(QStringLiteral("QMenuBar::item { padding: 2px 6px; }"));
    file_menu_ = menuBar()->addMenu(QStringLiteral("Файл"));
    add(file_menu_, "Новый", 0, [this] {
        program_.recording().ConfirmDiscard();
        activateWindow();
    });
    add(file_menu_, "Открыть", 1, [this] {
        program_.recording().ConfirmDiscard();
        if (!program_.store.unsaved) LoadRecording("");
    });
    add(file_menu_, "Сохранить как...", 2, [this] { SaveRecording(); });
    file_menu_->addSeparator();
    add(file_menu_, "Коментарии к данным", 3, [this] { program_.description_window().ShowNonModal(false); });
    file_menu_->addSeparator()->setEnabled(false);
    add(file_menu_, "Выход", 4, [this] { close(); });

    view_menu_ = menuBar()->addMenu(QStringLiteral("Вид"));
    add(view_menu_, "Графики", 5, [] {});
    add(view_menu_, "Большое табло", 6, [] {});
    add(view_menu_, "Ездовые параметры", 7, [] {});
    view_menu_->addSeparator();
    samples_option_ = add(view_menu_, "Три отсчёта", -1, [this] { ToggleViewOption(samples_option_); });
    protocol_option_ = add(view_menu_, "Байты протокола", -1, [this] { ToggleViewOption(protocol_option_); });
    for (QAction* option : {samples_option_, protocol_option_}) option->setCheckable(true);

    extra_menu_ = menuBar()->addMenu(QStringLiteral("Дополнительно"));
    add(extra_menu_, "Проверка производительности", 8, [] {});
    add(extra_menu_, "Проверка кабеля на инверсию", 9, [] {});
    extra_menu_->addSeparator();
    add(extra_menu_, "Настройки программы", 10, [this] { program_.ShowWindow(program_.settings_dialog()); });

    help_menu_ = menuBar()->addMenu(QStringLiteral("Справка"));
    add(help_menu_, "О программе", 11, [this] { program_.ShowWindow(program_.about_window()); });
    add(help_menu_, "Работа с программой", 12, [this] {
        program_.ShowWindow(program_.help_window());
        activateWindow();
    });
}

QAction* TForm1::action(const QString& text) const {
    for (QMenu* menu : {file_menu_, view_menu_, extra_menu_, help_menu_})
        for (QAction* entry : menu->actions())
            if (entry->text() == text) return entry;
    return nullptr;
}

QMenu* TForm1::menu(const QString& title) const {
    for (QMenu* entry : {file_menu_, view_menu_, extra_menu_, help_menu_})
        if (entry->title() == title) return entry;
    return nullptr;
}

void TForm1::customEvent(QEvent* event) {
    if (event->type() == EdgeListEvent::kType) {
        DecodeEdgeList(std::move(static_cast<EdgeListEvent*>(event)->block()));
    } else if (event->type() == CaptureInfoEvent::kType) {
        Edit1->setText(static_cast<CaptureInfoEvent*>(event)->text());
    } else if (event->type() == LineLostEvent::kType) {
        LineLost();
    }
}

void TForm1::FillPortList() {
    ComboBox1->clear();
    for (int n = 1; n <= kLastPort; ++n)
        if (program_.port_opener().PortExists(n)) ComboBox1->addItem(QStringLiteral("COM%1").arg(n));
    ComboBox1->setCurrentIndex(ComboBox1->count() > 0 ? 0 : -1);
    // The run script preselects a port (the simulator) so that "Читать" shows a live drive.
    const QString preselected = qEnvironmentVariable("KESTROVIN_PORT");
    if (!preselected.isEmpty()) ComboBox1->setCurrentText(preselected);
}

void TForm1::Button1Click() {
    if (!Button1->text().contains(QStringLiteral("Читать"))) {
        StopReading(QStringLiteral("Чтение остановлено..."));
        return;
    }
    program_.recording().ConfirmDiscard();
    if (program_.store.unsaved) return;  // the user kept the data
    program_.recording().ClearRecording();
    program_.store.next_frame_number = 1;
    program_.about_window().close();
    program_.description_window().close();
    program_.description_window().ClearAdditional();
    const PortChoice port = PortFromSelector(ComboBox1->currentText().toStdString());
    if (!port.number) {
        program_.dialogs().Error(NotAnIntegerMessage(port.number_text));
        return;
    }
    if (!program_.capture().OpenCapturePort(*port.number)) {
        Edit1->setText(QString::fromStdString(program_.port_opener().LastError()));
        program_.dialogs().Message("Kestrovin", "Ошибка открытия COM" + port.number_text, DialogIcon::None,
                                   DialogButtons::Ok);
        return;
    }
    EnableIdleControls(false);
    // A slow USB adapter is named once per reading run; reading goes on.
    const std::string hint = program_.capture().Hint();
    Edit1->setText(hint.empty() ? QStringLiteral("Идёт считывание...") : QString::fromStdString(hint));
}

void TForm1::LineLost() {
    if (!program_.idle) StopReading(QStringLiteral("Порт потерян: чтение остановлено, записанные кадры сохранены"));
}

void TForm1::StopReading(const QString& info) {
    program_.capture().CloseCapturePort();
    EnableIdleControls(true);
    Edit1->setText(info);
    program_.indicator.ReadingStopped();
    Timer7.start();  // the indicator turns "Off" 600 ms later
}

void TForm1::DecodeEdgeList(EdgeBlock block) {
    if (block.size() > kMaxEdgeBlockBytes) return;  // ignored: neither indicator nor store change
    if (Memo1->isVisible())
        for (const std::string& line : DiagnosticListing(block)) Memo1->appendPlainText(Q(line));
    const bool good = kestrovin::DecodeEdgeList(block, program_.current_frame) == DecodeOutcome::Good;
    program_.indicator.FrameDecoded(good);
    Timer7.start();
    ShowLinkPicture();
    if (good) program_.recording().AppendFrame();
}

void TForm1::SetLedDSR(int state) {
    program_.indicator.SetLedDSR(state);
    ShowLinkPicture();
}

void TForm1::ShowLinkPicture() {
    static const std::array<QPixmap, 3> pictures{LinkPicture(LedState::Off), LinkPicture(LedState::On),
                                                 LinkPicture(LedState::Err)};
    const LedState state = program_.indicator.state();
    Image1->setPixmap(pictures[state == LedState::Off ? 0 : state == LedState::On ? 1 : 2]);
    Image1->setProperty("state", state == LedState::Off ? "Off" : state == LedState::On ? "On" : "Err");
}

void TForm1::MemoDraw(int k) {
    last_sheet_ = BuildFrameSheet(program_.store, k, program_.settings.units, program_.locale(), program_.last_coolant_temperature);
    if (isVisible()) {
        QStringList names;
        QStringList values;
        for (const SheetRow& row : last_sheet_) {
            names << Q(row.name);
            values << Q(row.value);
        }
        FillColumn(ListView1, names);
        FillColumn(ListView2, values);
    }
    if (program_.big_display().isVisible()) program_.big_display().ShowFrame(last_sheet_);
    if (program_.dashboard().isVisible()) program_.dashboard().ShowFrame(last_sheet_);
    if (protocol_option_->isChecked()) {
        QStringList rows;
        for (const std::string& row : ProtocolRows(program_.store, k)) rows << Q(row);
        FillColumn(ListView6, rows);
    }
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        const Qt::MouseButton button = static_cast<QMouseEvent*>(event)->button();
        for (int i = 0; i < 3; ++i)
            if (watched == sample_buttons_[static_cast<std::size_t>(i)]) {
                SampleButtonPressed(i, button);
                return button == Qt::RightButton;
            }
        for (int i = 0; i < 10; ++i)
            if (watched == bookmarks_[static_cast<std::size_t>(i)]) {
                BookmarkPressed(i, button);
                return button == Qt::RightButton;
            }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::SampleButtonPressed(int column, Qt::MouseButton button) {
    QTableWidget* sample = samples_[static_cast<std::size_t>(column)];
    if (button == Qt::RightButton) {
        sample->setRowCount(0);
    } else if (button == Qt::LeftButton) {
        FillColumn(sample, ColumnTexts(ListView2));
    }
}

void TForm1::BookmarkPressed(int index, Qt::MouseButton button) {
    QPushButton* bookmark = bookmarks_[static_cast<std::size_t>(index)];
    if (button == Qt::RightButton) {
        bookmark->setText(QStringLiteral("0"));
        return;
    }
    if (button != Qt::LeftButton) return;
    bool is_number = false;
    const int frame = bookmark->text().toInt(&is_number);
    // A caption that is no number (a damaged recording file) counts as empty.
    if (!is_number || frame == 0) {
        bookmark->setText(QString::number(program_.store.current_frame()));
        return;
    }
    program_.recording().MoveToFrame(frame);
}

void TForm1::ToggleViewOption(QAction*) {
    QCoreApplication::processEvents();
    ApplyLayout();
    MemoDraw(program_.store.current_frame());
}

void TForm1::ApplyLayout() {
    const MainLayout layout = ComputeMainLayout(protocol_option_->isChecked(), samples_option_->isChecked());
    centralWidget()->setFixedSize(layout.client_width, kClientHeight);
    Edit1->setGeometry(0, 504, layout.info_width, 21);
    ScrollBar1->setGeometry(22, 530, layout.scroll_bar_width, 17);
    for (QWidget* part : std::initializer_list<QWidget*>{ListView6, Label1, Label2}) part->setVisible(layout.protocol_visible);
    for (int i = 0; i < 3; ++i) {
        QTableWidget* sample = samples_[static_cast<std::size_t>(i)];
        QPushButton* button = sample_buttons_[static_cast<std::size_t>(i)];
        sample->setVisible(layout.samples_visible);
        button->setVisible(layout.samples_visible);
        if (layout.samples_visible) {
            sample->move(layout.sample_lefts[static_cast<std::size_t>(i)], kListTop);
            button->move(layout.button_lefts[static_cast<std::size_t>(i)], 0);
        }
    }
    if (QStatusBar* status = centralWidget()->findChild<QStatusBar*>()) status->setGeometry(0, 589, layout.client_width, 19);
    if (this->layout() != nullptr) this->layout()->activate();
    PlaceBookmarks();
}

void TForm1::PlaceBookmarks() {
    const auto places = BookmarkPlaces(centralWidget()->width() + 5);
    for (int n = 0; n < 5; ++n) {
        const ButtonPlace place = places[static_cast<std::size_t>(n)];
        bookmarks_[static_cast<std::size_t>(n)]->setGeometry(place.left, 550, place.width, 19);
        bookmarks_[static_cast<std::size_t>(n + 5)]->setGeometry(place.left, 570, place.width, 19);
    }
}

void TForm1::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    PlaceBookmarks();
}

void TForm1::Button5Click() { program_.recording().DeleteCurrentFrame(); }

void TForm1::EnableIdleControls(bool idle) {
    program_.idle = idle;
    ComboBox1->setEnabled(idle);
    for (QMenu* menu : {file_menu_, extra_menu_, help_menu_}) menu->menuAction()->setEnabled(idle);
    samples_option_->setEnabled(idle);
    protocol_option_->setEnabled(idle);
    Button5->setEnabled(idle);
    Button6->setEnabled(idle);
    Button1->setText(idle ? QStringLiteral("Читать") : QStringLiteral("Стоп"));
}

void TForm1::SetInfo(const std::string& text) { Edit1->setText(Q(text)); }

bool TForm1::IsIdle() const { return program_.idle; }

void TForm1::ShowFramePosition(int count, int position) {
    const QSignalBlocker blocker(ScrollBar1);
    ScrollBar1->setMaximum(count);
    ScrollBar1->setValue(position);
}

bool TForm1::GraphVisible() const { return program_.graph_window().isVisible(); }

void TForm1::EndReadingRun() {
    program_.capture().CloseCapturePort();
    EnableIdleControls(true);
}

RecordingExtras TForm1::GatherExtras() const {
    RecordingExtras extras;
    for (std::size_t i = 0; i < samples_.size(); ++i)
        for (const QString& text : ColumnTexts(samples_[i])) extras.samples[i].push_back(text.toStdString());
    for (std::size_t i = 0; i < bookmarks_.size(); ++i) extras.bookmarks[i] = bookmarks_[i]->text().toStdString();
    extras.description = program_.description_window().Fields();
    return extras;
}

void TForm1::WriteChosenFile(const std::string& path, const std::string& bytes) {
    WriteFileAtomically(path, bytes);
    Edit1->setText(Q("Данные в: " + ShortFileName(path)));
    program_.store.unsaved = false;
    status_text_->setText(Q(ShortFileName(path)));
}

void TForm1::SaveRecording() {
    TForm6& description = program_.description_window();
    if (!DescriptionComplete(description.Fields())) {
        program_.dialogs().Message("Kestrovin", "Заполните коментарии к данным!", DialogIcon::None, DialogButtons::Ok);
        if (!description.EditModally()) return;
        if (!DescriptionComplete(description.Fields())) {
            program_.dialogs().Message("Kestrovin", "Коментарии не были заполнены!", DialogIcon::None, DialogButtons::Ok);
            return;
        }
    }
    EnableIdleControls(true);
    while (Timer1.isActive()) {  // frame 1 of the start-up must be in the store first
        QCoreApplication::processEvents();
        QThread::msleep(100);
    }
    const std::string suggested = status_text_->text().isEmpty() ? std::string() : last_open_path_;
    const std::optional<FileChoice> choice = program_.dialogs().SaveFile(
        {{"Kes Trovin 1.0", "*.kvr"}, {"Excel", "*.csv"}}, 0, suggested);
    if (!choice || choice->path.empty()) return;
    const bool table = choice->filter_index == 1;
    const std::string path = ReplaceExtension(choice->path, table ? ".csv" : ".kvr");
    try {
        const RecordingExtras extras = GatherExtras();
        WriteChosenFile(path, table ? WriteTableExport(program_.store, extras.samples, extras.description.additional,
                                                       program_.locale())
                                    : WriteRecordFile(program_.store, extras, program_.locale()));
    } catch (const FileWriteError& error) {
        // The previous file of that name, if any, is untouched.
        if (error.stage() == FileWriteError::Stage::Create) {
            Edit1->setText(QString::fromStdString(error.what()));
            program_.dialogs().Message("Kestrovin", "Ошибка записи в файл.", DialogIcon::None, DialogButtons::Ok);
        } else {
            program_.dialogs().Error(error.what());
        }
    } catch (const CodecError& error) {
        program_.dialogs().Error(error.what());
    }
}

void TForm1::LoadRecording(const std::string& requested) {
    EnableIdleControls(true);
    std::string path = requested;
    if (path.empty()) {
        const std::optional<FileChoice> choice = program_.dialogs().OpenFile({{"Kes Trovin 1.0", "*.kvr"}}, 0);
        if (!choice) return;
        path = last_open_path_ = choice->path;
    }
    std::string bytes;
    if (path.empty() || !QFileInfo(QString::fromStdString(path)).isFile() || !ReadWholeFile(path, bytes)) return;
    const RecordLoad load = ReadRecordFile(bytes);
    if (load.status == RecordLoad::Status::Damaged) {
        // The recording in memory stays as it was.
        program_.dialogs().Error("Файл " + ShortFileName(path) + " повреждён и не загружен: " + load.error);
        return;
    }
    if (load.status == RecordLoad::Status::NotOurs) {
        Edit1->setText(QStringLiteral("Файл не этой программы"));
    } else {
        const LoadedRecording& loaded = load.recording;
        PutIntoStore(loaded, program_.store);
        for (std::size_t i = 0; i < samples_.size(); ++i) {
            QStringList entries;
            for (const std::string& entry : loaded.samples[i]) entries << Q(entry);
            FillColumn(samples_[i], entries);
        }
        program_.description_window().SetFields(loaded.description);
        if (loaded.bookmarks)
            for (std::size_t i = 0; i < bookmarks_.size(); ++i) bookmarks_[i]->setText(Q((*loaded.bookmarks)[i]));
        program_.store.unsaved = false;
        status_text_->setText(Q(ShortFileName(path)));
        const int count = static_cast<int>(loaded.frames.size());
        MemoDraw(count);
        // Idle since the start of the load: the bar change redraws the middle frame even when it is current.
        program_.recording().ScrollBar1Change(std::max(1, count / 2));
        program_.store.next_frame_number = count + 1;
        Edit1->setText(Q("Данные из: " + ShortFileName(path)));
    }
    // Closing steps, after a foreign file too.
    TForm6& description = program_.description_window();
    if (!description.Fields().additional.empty()) description.ShowNonModal(true);
    for (QTableWidget* sample : samples_) {
        if (sample->rowCount() == 0) continue;
        if (!Cell(sample, 0).isEmpty()) samples_option_->trigger();
        break;
    }
}

void TForm1::ViewsCleared() {
    Edit1->setText(QStringLiteral("Нет данных"));
    for (QTableWidget* sample : samples_) sample->setRowCount(0);
    ListView6->setRowCount(0);
    status_text_->clear();  // first: emptying the texts of a recording without a file leaves it saved
    program_.description_window().ClearTexts();
}

int TForm1::CurrentFrame() const { return program_.store.current_frame(); }
int TForm1::FrameCount() const { return program_.store.frame_count(); }

void TForm1::ShowPlaying(bool playing) { Button6->setText(playing ? QStringLiteral("||") : QStringLiteral(">")); }

void TForm1::StepForward() { program_.recording().MoveToFrame(program_.store.current_frame() + 1); }

void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    Button1->setFocus();
    Timer6.start();
}

void TForm1::closeEvent(QCloseEvent* event) {
    if (program_.store.unsaved) {
        program_.recording().ConfirmDiscard();
        if (program_.store.unsaved) {
            event->ignore();
            return;
        }
    }
    program_.capture().CloseCapturePort();
    program_.idle = true;
    playback_.Stop();
    Edit1->setText(QStringLiteral("Закрываемся..."));
    QCoreApplication::processEvents();
    program_.startup_complete = false;
    program_.SaveSettings();  // also notes which windows are open now
    program_.CloseSecondaryWindows();
    event->accept();
}

}  // namespace kestrovin
