#include "qt/progress/progress_window.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <array>
#include <sstream>

#include "game/operations.h"
#include "game/say_once.h"
#include "progress/answer_log.h"
#include "progress/progress_model.h"
#include "progress/report.h"
#include "progress/today.h"
#include "qt/language/translators.h"
#include "qt/progress/local_forms.h"
#include "qt/progress/progress_chart.h"
#include "qt/progress/progress_grid.h"
#include "qt/progress/progress_legend.h"
#include "store/file_replace.h"

namespace pv::qt {

namespace {

// The operations' names stay English in the report; the tabs name them in the player's language.
QString TabName(Operation operation) {
    const char* names[] = {
        QT_TRANSLATE_NOOP("Progress", "Addition"), QT_TRANSLATE_NOOP("Progress", "Subtraction"),
        QT_TRANSLATE_NOOP("Progress", "Multiplication"), QT_TRANSLATE_NOOP("Progress", "Division")};
    return QCoreApplication::translate("Progress", names[static_cast<std::size_t>(operation)]);
}

QLabel* Heading(const QString& text) {
    auto* label = new QLabel(text);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

// Where a parent most likely wants to look first; for a player with no answers, multiplication,
// the drill a new game starts on.
Operation MostAnswered(const std::vector<Answer>& answers) {
    std::array<std::size_t, kOperationCount> counts{};
    for (const Answer& a : answers) ++counts[static_cast<std::size_t>(a.operation) & 3];
    Operation most = Operation::Multiplication;
    for (const OperationRow& row : AllOperations()) {
        if (counts[static_cast<std::size_t>(row.operation)] >
            counts[static_cast<std::size_t>(most)])
            most = row.operation;
    }
    return most;
}

QString QuestionWithAnswer(Operation operation, const FactCell& cell) {
    return QString::fromStdString(QuestionText(operation, cell.left, cell.right)) +
           QStringLiteral(" = ") + QString::number(cell.answer);
}

}  // namespace

ProgressWindow::ProgressWindow(Platform& platform, QWidget* parent)
    : QWidget(parent, Qt::Window), platform_(platform) {
    setAttribute(Qt::WA_DeleteOnClose);
    resize(760, 600);
    auto* root = new QVBoxLayout(this);
    root->addLayout(MakeTopRow());
    root->addLayout(MakeMiddle(), 1);
    root->addSpacing(8);
    chart_ = new ProgressChart;
    root->addWidget(chart_);
}

QLayout* ProgressWindow::MakeTopRow() {
    auto* row = new QHBoxLayout;
    operations_ = new QTabBar;
    // The tabs' indexes are the operations' values: the table's rows follow them.
    for (const OperationRow& row : AllOperations()) operations_->addTab(TabName(row.operation));
    QObject::connect(operations_, &QTabBar::currentChanged, this, [this](int index) {
        if (index >= 0) ShowOperation(AllOperations()[static_cast<std::size_t>(index)].operation);
    });
    row->addWidget(operations_);
    row->addStretch(1);
    auto* save = new QPushButton(QCoreApplication::translate("Progress", "Save as CSV..."));
    save->setToolTip(QCoreApplication::translate(
        "Progress", "Every fact this player was asked, for a spreadsheet"));
    QObject::connect(save, &QPushButton::clicked, this, [this]() { AskAndSave(); });
    row->addWidget(save);
    return row;
}

QLayout* ProgressWindow::MakeMiddle() {
    auto* middle = new QHBoxLayout;
    grid_ = new ProgressGrid;
    middle->addWidget(grid_, 1);
    // Beside the grid, so that the grid takes the window's whole height for a table to 17.
    auto* side = new QVBoxLayout;
    summary_ = new QLabel;
    summary_->setWordWrap(true);
    side->addWidget(summary_);
    side->addSpacing(4);
    side->addWidget(new ProgressLegend);
    side->addSpacing(8);
    side->addWidget(Heading(QCoreApplication::translate("Progress", "Most often missed")));
    missed_ = new QTreeWidget;
    missed_->setHeaderLabels({QCoreApplication::translate("Progress", "Question"),
                              QCoreApplication::translate("Progress", "Missed"),
                              QCoreApplication::translate("Progress", "Last asked")});
    missed_->setRootIsDecorated(false);
    missed_->setSelectionMode(QAbstractItemView::NoSelection);
    missed_->setFocusPolicy(Qt::NoFocus);
    missed_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    missed_->header()->setStretchLastSection(false);
    side->addWidget(missed_, 1);
    middle->addLayout(side, 1);
    return middle;
}

void ProgressWindow::Load(const std::string& player, const std::filesystem::path& folder) {
    player_ = player;
    AnswerReading reading;
    if (!folder.empty()) reading = ReadAnswers(platform_.Files(), folder, ReadFor::Viewing);
    answers_ = std::move(reading.answers);
    // Told once a run: opening the window again finds the same file.
    if (!reading.complaint.empty()) SayOnce(reading.complaint);
    today_ = Today(platform_);
    setWindowTitle(player.empty()
                       ? QCoreApplication::translate("Progress", "Progress - Pondivar")
                       : QCoreApplication::translate("Progress", "Progress of %1 - Pondivar")
                             .arg(QString::fromStdString(player)));
    const Operation start = MostAnswered(answers_);
    {
        const QSignalBlocker quiet(operations_);  // shown once below, not twice
        operations_->setCurrentIndex(static_cast<int>(start));
    }
    ShowOperation(start);
}

void ProgressWindow::ShowOperation(Operation operation) {
    shown_ = operation;
    const ProgressModel model = BuildProgress(answers_, operation, today_);
    grid_->SetModel(model);
    chart_->SetDays(model.lastDays);
    ShowSummary(model);
    ShowMostMissed(model);
}

void ProgressWindow::ShowSummary(const ProgressModel& model) {
    std::uint32_t asked = 0, right = 0, known = 0;
    for (std::uint32_t a = 1; a <= model.tableSize; ++a) {
        for (std::uint32_t b = 1; b <= model.tableSize; ++b) {
            const FactCell& cell = model.grid[a][b];
            asked += cell.asked;
            right += cell.rightFirstTime;
            known += cell.state == FactCell::Known ? 1 : 0;
        }
    }
    const QString name = QString::fromLatin1(OperationName(model.operation));
    if (asked == 0) {
        summary_->setText(
            InEnglish() ? QStringLiteral("No %1 questions answered yet.").arg(name)
                        : QCoreApplication::translate("Progress", "No questions answered yet."));
        return;
    }
    if (!InEnglish()) {
        const char* sentence = QT_TRANSLATE_N_NOOP(
            "Progress",
            "%n questions answered, %1% right the first time. %2 of the %3 facts known.");
        summary_->setText(Plural("Progress", sentence, sentence, static_cast<int>(asked))
                              .arg(right * 100 / asked)
                              .arg(known)
                              .arg(model.tableSize * model.tableSize));
        return;
    }
    summary_->setText(
        QStringLiteral("%1 %2 %3 answered, %4% right the first time. %5 of the %6 facts known.")
            .arg(asked)
            .arg(name, asked == 1 ? QStringLiteral("question") : QStringLiteral("questions"))
            .arg(right * 100 / asked)  // rounded down: 100% only when nothing was missed
            .arg(known)
            .arg(model.tableSize * model.tableSize));
}

void ProgressWindow::ShowMostMissed(const ProgressModel& model) {
    missed_->clear();
    for (const FactCell& cell : model.mostMissed) {
        auto* item = new QTreeWidgetItem(missed_);
        item->setText(0, QuestionWithAnswer(model.operation, cell));
        item->setData(0, Qt::DecorationRole, StateColour(cell.state));
        item->setText(1, QCoreApplication::translate("Progress", "%1 of %2")
                             .arg(cell.asked - cell.rightFirstTime)
                             .arg(cell.asked));
        item->setText(2, ShownDay(cell.lastDay));
    }
    if (model.mostMissed.empty()) {
        auto* item = new QTreeWidgetItem(
            missed_, {QCoreApplication::translate("Progress", "Nothing missed yet")});
        item->setFirstColumnSpanned(true);
        item->setDisabled(true);
    }
}

bool ProgressWindow::SaveReport(const std::filesystem::path& path) const {
    std::ostringstream out;
    WriteReport(out, {PlayerAnswers{player_, answers_}});
    const std::string text = out.str();
    return ReplaceFile(platform_.Files(), path, reinterpret_cast<const std::uint8_t*>(text.data()),
                       text.size());
}

void ProgressWindow::AskAndSave() {
    const QString name = player_.empty()
                             ? QCoreApplication::translate("Progress", "progress.csv")
                             : QCoreApplication::translate("Progress", "%1-progress.csv")
                                   .arg(QString::fromStdString(player_));
    const QString chosen = QFileDialog::getSaveFileName(
        this, QCoreApplication::translate("Progress", "Save progress as CSV"),
        QDir::home().filePath(name),
        QCoreApplication::translate("Progress", "CSV files (*.csv);;All files (*)"));
    if (chosen.isEmpty()) return;
    if (!SaveReport(QFile::encodeName(chosen).toStdString())) {
        QMessageBox::warning(
            this, QStringLiteral("Pondivar"),
            QCoreApplication::translate("Progress", "The progress could not be saved as %1.")
                .arg(chosen));
    }
}

}  // namespace pv::qt
