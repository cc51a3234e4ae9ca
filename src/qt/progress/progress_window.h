// A parent's view of one player's progress: for the operation chosen, the table as a grid of
// facts, the facts most often missed and the last two weeks' questions; and the player's whole
// record saved as the CSV report.
#pragma once

#include <QWidget>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "progress/recorded_answer.h"

class QLabel;
class QTabBar;
class QTreeWidget;

namespace pv {
class Platform;
struct ProgressModel;
}  // namespace pv

namespace pv::qt {

class ProgressChart;
class ProgressGrid;

class ProgressWindow : public QWidget {
  public:
    // The answers are read, and the report saved, through the platform's files; its clock says
    // which day is today.
    explicit ProgressWindow(Platform& platform, QWidget* parent = nullptr);

    // Reads the player's answers afresh from the player's folder and shows the operation with
    // the most of them.
    void Load(const std::string& player, const std::filesystem::path& folder);
    void ShowOperation(Operation operation);
    Operation ShownOperation() const { return shown_; }

    // Writes the report of the answers shown, as the command line's --report gives it; false
    // when the file could not be written.
    bool SaveReport(const std::filesystem::path& path) const;

    ProgressGrid* Grid() const { return grid_; }
    ProgressChart* Chart() const { return chart_; }
    QTreeWidget* MostMissed() const { return missed_; }
    QTabBar* Operations() const { return operations_; }

  private:
    QLayout* MakeTopRow();
    QLayout* MakeMiddle();
    void ShowSummary(const ProgressModel& model);
    void ShowMostMissed(const ProgressModel& model);
    void AskAndSave();

    Platform& platform_;
    std::string player_;
    std::vector<Answer> answers_;
    std::int32_t today_ = 0;
    Operation shown_ = Operation::Multiplication;

    QTabBar* operations_ = nullptr;
    QLabel* summary_ = nullptr;
    ProgressGrid* grid_ = nullptr;
    QTreeWidget* missed_ = nullptr;
    ProgressChart* chart_ = nullptr;
};

}  // namespace pv::qt
