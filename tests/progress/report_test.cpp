// The CSV report: its exact bytes, its order and its quoting.
#include <gtest/gtest.h>

#include <sstream>

#include "make_answer.h"
#include "progress/report.h"

namespace pv::testing {
namespace {

constexpr const char* kHeader =
    "player,operation,question,answer,asked,right_first_time,wrong_clicks,"
    "median_first_click_ms,last_asked\r\n";

std::string Report(const std::vector<PlayerAnswers>& players) {
    std::ostringstream out;
    WriteReport(out, players);
    return out.str();
}

TEST(Report, MostMissedFirstThenByPlayerOperationAndQuestion) {
    const std::int32_t day = DayNumber(2025, 3, 9);
    const Operation x = Operation::Multiplication;
    PlayerAnswers ann{
        "Ann Lee",
        {Asked(x, 7, 8, day - 1, 2, 4000), Asked(x, 7, 8, day, 1, 1000),
         Asked(x, 7, 8, day - 3, 0, 3000), Asked(x, 7, 8, day - 2, 0, 2000),  // median 2000
         Asked(Operation::Division, 4, 6, day, 1, 900),
         Asked(Operation::Subtraction, 7, 5, day, 1, 800),
         Asked(Operation::Addition, 3, 4, day, 0, 700)}};
    PlayerAnswers bo{"Bo, \"the\" 2nd", {Asked(Operation::Addition, 3, 4, day, 1, 600)}};
    PlayerAnswers nobody{"\xC3\x89mile", {}};
    EXPECT_EQ(Report({bo, nobody, ann}),
              std::string(kHeader) +
                  "Ann Lee,multiplication,7 x 8,56,4,2,3,2000,2025-03-09\r\n"
                  "Ann Lee,subtraction,12 - 5,7,1,0,1,800,2025-03-09\r\n"
                  "Ann Lee,division,24 \xC3\xB7 6,4,1,0,1,900,2025-03-09\r\n"
                  "\"Bo, \"\"the\"\" 2nd\",addition,3 + 4,7,1,0,1,600,2025-03-09\r\n"
                  "Ann Lee,addition,3 + 4,7,1,1,0,700,2025-03-09\r\n");
}

TEST(Report, HeaderAloneWhenNobodyHasAnswered) {
    EXPECT_EQ(Report({}), kHeader);
    EXPECT_EQ(Report({{"Mia", {}}}), kHeader);
}

TEST(Report, QuotesOnlyFieldsThatNeedIt) {
    EXPECT_EQ(CsvField("Jean-Luc_2.0 \xD0\x98\xD0\xB2\xD0\xB0"),
              "Jean-Luc_2.0 \xD0\x98\xD0\xB2\xD0\xB0");
    EXPECT_EQ(CsvField("a,b"), "\"a,b\"");
    EXPECT_EQ(CsvField("say \"hi\""), "\"say \"\"hi\"\"\"");
    EXPECT_EQ(CsvField("two\r\nlines"), "\"two\r\nlines\"");
    EXPECT_EQ(CsvField("cr\ronly"), "\"cr\ronly\"");
    EXPECT_EQ(CsvField(""), "");
}

}  // namespace
}  // namespace pv::testing
