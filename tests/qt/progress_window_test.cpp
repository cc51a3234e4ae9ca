// The progress window on a small record, offscreen: what the grid, the list and the chart show,
// the report it saves, and that the game keeps one such window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QHelpEvent>
#include <QImage>
#include <QSet>
#include <QTabBar>
#include <QToolTip>
#include <QTreeWidget>

#include <array>
#include <fstream>
#include <iterator>
#include <sstream>

#include "../support/scratch_dir.h"
#include "progress/answer_log.h"
#include "progress/report.h"
#include "qt/progress/progress_chart.h"
#include "qt/progress/progress_grid.h"
#include "qt/progress/progress_legend.h"
#include "qt/progress/progress_window.h"
#include "qt/progress/qt_progress.h"
#include "qt/qt_platform.h"

namespace pv::qt {
namespace {

using pv::testing::ScratchDirectory;

// The window goes by the platform's calendar, not the wall clock's: on New Year's Day the
// answers of the days before belong to the year before.
class NewYearsDay : public QtPlatform {
  public:
    void GetLocalTime(SYSTEMTIME* time) override { *time = {2027, 1, 5, 1, 0, 0, 0, 0}; }
};

class ProgressWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        AnswerLog log(RealFileSystem(), folder_.Path());
        // 7 x 8 right the first time on three days: known. 3 x 4 missed twice: often missed.
        for (int back = 2; back >= 0; --back) Add(log, Operation::Multiplication, 7, 8, back, true);
        Add(log, Operation::Multiplication, 3, 4, 0, false);
        Add(log, Operation::Multiplication, 3, 4, 0, false);
        Add(log, Operation::Addition, 2, 3, 0, true);
        ASSERT_TRUE(log.WaitUntilOnDisk());
        progress_.ShowProgress("Mia", folder_.Path());
        window_ = progress_.Window();
        ASSERT_NE(window_, nullptr);
    }

    void Add(AnswerLog& log, Operation op, std::uint32_t a, std::uint32_t b, int daysAgo,
             bool right) {
        const Question q = QuestionOf(op, a, b);
        const Answer answer{today_ - daysAgo,
                            op,
                            q.left,
                            q.right,
                            q.answer,
                            right,
                            static_cast<std::uint8_t>(right ? 0 : 2),
                            1500};
        ASSERT_TRUE(log.Append(answer));
    }

    const ProgressModel& Shown() const { return window_->Grid()->Model(); }

    ScratchDirectory folder_;
    const std::int32_t today_ = DayNumber(2027, 1, 1);
    NewYearsDay platform_;
    QtProgressView progress_{platform_};
    ProgressWindow* window_ = nullptr;
};

TEST_F(ProgressWindowTest, OpensOnTheMostAnsweredOperationWithEachFactInItsColour) {
    EXPECT_TRUE(window_->isVisible());
    EXPECT_EQ(window_->windowTitle(), QStringLiteral("Progress of Mia - Pondivar"));
    EXPECT_GE(window_->width(), 700) << "a window for reading, not the game's";
    EXPECT_EQ(window_->ShownOperation(), Operation::Multiplication);
    EXPECT_EQ(window_->Operations()->currentIndex(), 2);

    EXPECT_EQ(Shown().grid[7][8].state, FactCell::Known);
    EXPECT_EQ(Shown().grid[3][4].state, FactCell::OftenMissed);
    EXPECT_EQ(Shown().grid[2][2].state, FactCell::NeverAsked);
    // Each cell is painted in its state's colour, and no two states share one.
    QImage painted = window_->Grid()->grab().toImage();
    auto colourAt = [&](std::uint32_t a, std::uint32_t b) {
        return painted.pixelColor(window_->Grid()->CellRect(a, b).toRect().topLeft() +
                                  QPoint(3, 3));
    };
    EXPECT_EQ(colourAt(7, 8), StateColour(FactCell::Known));
    EXPECT_EQ(colourAt(3, 4), StateColour(FactCell::OftenMissed));
    EXPECT_EQ(colourAt(2, 2), StateColour(FactCell::NeverAsked));
    QSet<QRgb> colours;
    for (auto state : {FactCell::NeverAsked, FactCell::OftenMissed, FactCell::SometimesMissed,
                       FactCell::Learning, FactCell::Known}) {
        colours.insert(StateColour(state).rgb());
    }
    EXPECT_EQ(colours.size(), 5);

    // Hovering finds the fact under the pointer: row 7, column 8, not 8 x 7.
    ProgressGrid* grid = window_->Grid();
    const QPoint centre = grid->CellRect(7, 8).center().toPoint();
    QHelpEvent hover(QEvent::ToolTip, centre, grid->mapToGlobal(centre));
    QApplication::sendEvent(grid, &hover);
    const QString tip = QToolTip::text();
    EXPECT_TRUE(tip.startsWith(QStringLiteral("7 x 8 = 56  (known)"))) << tip.toStdString();
    EXPECT_TRUE(tip.contains(QStringLiteral("Asked: 3 times")));
    EXPECT_TRUE(tip.contains(QString::fromStdString("Last asked: " + DayText(today_))));

    QTreeWidget* missed = window_->MostMissed();
    ASSERT_EQ(missed->topLevelItemCount(), 1);
    EXPECT_EQ(missed->topLevelItem(0)->text(0), QStringLiteral("3 x 4 = 12"));
    EXPECT_EQ(missed->topLevelItem(0)->text(1), QStringLiteral("2 of 2"));

    const auto& days = window_->Chart()->Days();
    EXPECT_EQ(days.back().day, today_);
    EXPECT_EQ(days.back().answered, 3u);
    EXPECT_EQ(days.back().rightFirstTime, 1u);
    EXPECT_EQ(days[kDaysShown - 3].answered, 1u);
    EXPECT_EQ(days[kDaysShown - 3].day, DayNumber(2026, 12, 30));
}

// In another language the dates are written as that language writes them.
TEST_F(ProgressWindowTest, DatesFollowTheLanguage) {
    window_->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    platform_.SetLanguage("de");
    progress_.ShowProgress("Mia", folder_.Path());
    window_ = progress_.Window();
    ASSERT_NE(window_, nullptr);
    EXPECT_EQ(window_->MostMissed()->topLevelItem(0)->text(2), QStringLiteral("01.01.27"));
    ProgressGrid* grid = window_->Grid();
    const QPoint centre = grid->CellRect(7, 8).center().toPoint();
    QHelpEvent hover(QEvent::ToolTip, centre, grid->mapToGlobal(centre));
    QApplication::sendEvent(grid, &hover);
    EXPECT_TRUE(QToolTip::text().contains(QStringLiteral("01.01.27")))
        << QToolTip::text().toStdString();
    platform_.SetLanguage("en");
}

TEST_F(ProgressWindowTest, AnotherOperationShowsItsOwnFacts) {
    window_->Operations()->setCurrentIndex(0);
    EXPECT_EQ(window_->ShownOperation(), Operation::Addition);
    EXPECT_EQ(Shown().operation, Operation::Addition);
    EXPECT_EQ(Shown().grid[2][3].state, FactCell::Learning);
    EXPECT_EQ(Shown().grid[7][8].state, FactCell::NeverAsked);
    EXPECT_EQ(window_->Chart()->Days().back().answered, 1u);
    ASSERT_EQ(window_->MostMissed()->topLevelItemCount(), 1);
    EXPECT_EQ(window_->MostMissed()->topLevelItem(0)->text(0),
              QStringLiteral("Nothing missed yet"));
}

TEST_F(ProgressWindowTest, SavesTheSameBytesAsTheReport) {
    std::ostringstream report;
    WriteReport(
        report,
        {PlayerAnswers{"Mia",
                       ReadAnswers(RealFileSystem(), folder_.Path(), ReadFor::Viewing).answers}});
    const auto path = folder_.Path() / "Mia-progress.csv";
    ASSERT_TRUE(window_->SaveReport(path));
    std::ifstream saved(path, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(saved), {}), report.str());
    EXPECT_FALSE(window_->SaveReport(folder_.Path() / "no such folder" / "x.csv"));
}

TEST_F(ProgressWindowTest, AskedAgainRaisesTheSameWindowWithTheNewAnswers) {
    {
        AnswerLog log(RealFileSystem(), folder_.Path());
        Add(log, Operation::Multiplication, 3, 4, 0, true);
    }
    progress_.ShowProgress("Mia", folder_.Path());
    EXPECT_EQ(progress_.Window(), window_);
    int windows = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        windows += dynamic_cast<ProgressWindow*>(w) != nullptr ? 1 : 0;
    }
    EXPECT_EQ(windows, 1);
    EXPECT_EQ(Shown().grid[3][4].asked, 3u);

    window_->close();  // and gone: the next time starts afresh
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(progress_.Window(), nullptr);
}

TEST(ProgressChart, TellsEachDaysShareRoundedDownSoOneMissIsNeverAHundred) {
    ProgressChart chart;
    std::array<DayBar, kDaysShown> days{};
    for (std::size_t i = 0; i < kDaysShown; ++i) days[i].day = DayNumber(2026, 3, 1) + int(i);
    days[0] = {days[0].day, 200, 199};
    days[1] = {days[1].day, 3, 2};
    chart.SetDays(days);
    EXPECT_EQ(chart.TipFor(0).toStdString(),
              "Sunday 1 March 2026\n200 answered\n199 right the first time (99%)");
    EXPECT_TRUE(chart.TipFor(1).endsWith(QStringLiteral("2 right the first time (66%)")));
    EXPECT_TRUE(chart.TipFor(2).endsWith(QStringLiteral("No questions answered")));
}

TEST(ProgressWindowAlone, ADamagedRecordIsToldOnceAndShowsNoAnswers) {
    ScratchDirectory folder;
    std::ofstream(folder.Path() / kAnswerLogName) << "not a record of answers";
    QtPlatform platform;
    QtProgressView progress(platform);
    ::testing::internal::CaptureStderr();
    progress.ShowProgress("Mia", folder.Path());
    progress.ShowProgress("Mia", folder.Path());  // the file is still there, told once
    const std::string told = ::testing::internal::GetCapturedStderr();
    std::istringstream lines(told);
    int complaints = 0;
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("pondivar: ", 0) == 0) ++complaints;  // Qt may add its own lines
    }
    EXPECT_EQ(complaints, 1) << told;
    ProgressWindow* window = progress.Window();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->ShownOperation(), Operation::Multiplication);
    EXPECT_EQ(window->Grid()->Model().grid[1][1].state, FactCell::NeverAsked);
}

}  // namespace
}  // namespace pv::qt
