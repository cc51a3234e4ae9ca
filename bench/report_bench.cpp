// A year of a child's answers (200 a day for 365 days) written through the answer log, then read
// back and reported on, with each step timed. Usage: pondivar_report_bench FOLDER
// Prints numbers only; nothing here fails on speed.
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <random>
#include <sstream>
#include <thread>
#include <vector>

#include "progress/answer_log.h"
#include "progress/practice.h"
#include "progress/progress_model.h"
#include "progress/report.h"

namespace {

using Clock = std::chrono::steady_clock;
using pv::Answer;
using pv::Operation;

constexpr int kDays = 365;
constexpr int kAnswersADay = 200;
constexpr int kRuns = 9;

double Microseconds(Clock::duration d) {
    return std::chrono::duration<double, std::micro>(d).count();
}

struct Spread {
    double median, p99, max;
};

Spread SpreadOf(std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    auto at = [&](double q) { return samples[static_cast<std::size_t>(q * (samples.size() - 1))]; };
    return {at(0.5), at(0.99), samples.back()};
}

double MedianMs(const std::function<void()>& work) {
    std::vector<double> runs;
    for (int i = 0; i < kRuns; ++i) {
        auto start = Clock::now();
        work();
        runs.push_back(Microseconds(Clock::now() - start) / 1000);
    }
    return SpreadOf(runs).median;
}

// A child who plays every day: the tables grow over the year (to 17 for multiplication in the
// autumn), each fact is missed less the more it has been asked, the larger facts more often,
// and a miss takes longer to click than a sure answer.
class Child {
  public:
    Answer Next(int day) {
        Operation op = Pick();
        std::uint32_t size = TableSize(op, day);
        std::uniform_int_distribution<std::uint32_t> number(1, size);
        std::uint32_t a = number(random_), b = number(random_);
        std::uint32_t& seen = seen_[pv::FactSlot(op, a, b)];
        double hard = 0.05 + 0.30 * static_cast<double>(a * b) / 289.0;
        double miss = hard * std::exp(-static_cast<double>(seen++) / 25.0) + 0.03;
        bool missed = std::bernoulli_distribution(miss)(random_);
        std::lognormal_distribution<double> think(std::log(missed ? 3500.0 : 2200.0), 0.5);
        pv::Question q = pv::QuestionOf(op, a, b);
        auto wrong = static_cast<std::uint8_t>(
            missed ? 1 + std::geometric_distribution<int>(0.6)(random_) % 5 : 0);
        return {day,      op,      q.left, q.right,
                q.answer, !missed, wrong,  static_cast<std::uint32_t>(think(random_))};
    }

  private:
    Operation Pick() {
        static constexpr Operation kOps[] = {Operation::Multiplication, Operation::Multiplication,
                                             Operation::Addition, Operation::Subtraction,
                                             Operation::Division};
        return kOps[std::uniform_int_distribution<int>(0, 4)(random_)];
    }
    static std::uint32_t TableSize(Operation op, int day) {
        std::uint32_t size = 2 + static_cast<std::uint32_t>(day / 15);
        std::uint32_t largest = op == Operation::Multiplication && day > 250 ? 17 : 10;
        return std::min(size, largest);
    }

    std::mt19937 random_{20240901};
    std::vector<std::uint32_t> seen_ = std::vector<std::uint32_t>(pv::kFactSlots);
};

std::vector<Answer> AYear(int firstDay) {
    Child child;
    std::vector<Answer> year;
    year.reserve(kDays * kAnswersADay);
    for (int day = 0; day < kDays; ++day) {
        for (int i = 0; i < kAnswersADay; ++i) year.push_back(child.Next(firstDay + day));
    }
    return year;
}

// Each Append as the drill's thread feels it.
Spread TimeAppends(const std::filesystem::path& folder, const std::vector<Answer>& answers,
                   std::chrono::milliseconds pause) {
    std::filesystem::create_directories(folder);
    pv::AnswerLog log(pv::RealFileSystem(), folder);
    std::vector<double> times;
    times.reserve(answers.size());
    for (const Answer& answer : answers) {
        auto start = Clock::now();
        if (!log.Append(answer)) std::fprintf(stderr, "an answer was not written\n");
        times.push_back(Microseconds(Clock::now() - start));
        if (pause.count() > 0) std::this_thread::sleep_for(pause);
    }
    log.WaitUntilOnDisk();
    return SpreadOf(times);
}

// What the sync thread pays per record: one 16-byte append, then fdatasync.
Spread TimeFdatasync(const std::filesystem::path& file) {
    int fd = open(file.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
    std::vector<double> times;
    char record[16] = {};
    for (int i = 0; i < 300 && fd >= 0; ++i) {
        if (write(fd, record, sizeof record) != sizeof record) break;
        auto start = Clock::now();
        fdatasync(fd);
        times.push_back(Microseconds(Clock::now() - start));
    }
    if (fd >= 0) close(fd);
    std::filesystem::remove(file);
    return times.empty() ? Spread{} : SpreadOf(times);
}

void Print(const char* what, Spread s, const char* unit = "us") {
    std::printf("%-44s median %8.1f %s   p99 %8.1f %s   max %8.1f %s\n", what, s.median, unit,
                s.p99, unit, s.max, unit);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const std::filesystem::path root = argv[1];
    // Laid out as a data folder, so that the game and its report can be started on it.
    const std::filesystem::path player = root / "players" / "Mia";
    const std::int32_t firstDay = pv::DayNumber(2024, 9, 1);
    const std::vector<Answer> year = AYear(firstDay);
    const std::int32_t today = year.back().day;

    std::printf("a year: %zu answers over %d days\n", year.size(), kDays);
    Print("Append, the year written at once", TimeAppends(player, year, {}));
    std::printf(
        "file size: %ju bytes\n",
        static_cast<std::uintmax_t>(std::filesystem::file_size(player / pv::kAnswerLogName)));
    std::vector<Answer> paced(year.begin(), year.begin() + 300);
    Print("Append, 300 answers 20 ms apart",
          TimeAppends(root / "paced", paced, std::chrono::milliseconds(20)));
    Print("fdatasync after a 16-byte append", TimeFdatasync(root / "sync-probe"));

    std::string complaint;
    std::size_t rows = 0;
    double report = MedianMs([&] {
        std::ostringstream out;
        pv::AnswerReading reading =
            pv::ReadAnswers(pv::RealFileSystem(), player, pv::ReadFor::Viewing);
        complaint = reading.complaint;
        pv::WriteReport(out, {{"Mia", reading.answers}});
        const std::string text = out.str();
        rows = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
    });
    if (!complaint.empty()) std::fprintf(stderr, "%s\n", complaint.c_str());
    const std::vector<Answer> answers =
        pv::ReadAnswers(pv::RealFileSystem(), player, pv::ReadFor::Viewing).answers;
    std::printf("%-44s median %8.2f ms (%zu lines)\n", "ReadAnswers + WriteReport", report, rows);
    std::printf("%-44s median %8.2f ms\n", "ReadAnswers alone", MedianMs([&] {
                    pv::ReadAnswers(pv::RealFileSystem(), player, pv::ReadFor::Viewing);
                }));
    std::printf("%-44s median %8.2f ms\n", "WeakFacts from the year (x, 17)",
                MedianMs([&] { pv::WeakFacts(answers, Operation::Multiplication, 17); }));
    pv::WeakFactTracker tracker(answers);
    std::printf("%-44s median %8.4f ms (%zu weak)\n", "WeakFactTracker::WeakFacts (x, 17)",
                MedianMs([&] { tracker.WeakFacts(Operation::Multiplication, 17); }),
                tracker.WeakFacts(Operation::Multiplication, 17).size());
    std::printf("%-44s median %8.2f ms\n", "BuildProgress (x)",
                MedianMs([&] { pv::BuildProgress(answers, Operation::Multiplication, today); }));
    return 0;
}
