#include "progress/report.h"

#include <algorithm>

#include "progress/facts.h"

namespace pv {

namespace {

constexpr const char* kHeader =
    "player,operation,question,answer,asked,right_first_time,wrong_clicks,"
    "median_first_click_ms,last_asked\r\n";

struct Row {
    std::size_t player;
    FactSummary fact;
};

void AppendRow(std::string& out, const std::string& player, const FactSummary& f) {
    out += player;
    for (const std::string& field :
         {std::string(OperationName(f.operation)), QuestionText(f.operation, f.left, f.right),
          std::to_string(f.answer), std::to_string(f.asked), std::to_string(f.rightFirstTime),
          std::to_string(f.wrongClicks), std::to_string(f.medianFirstClickMs),
          DayText(f.lastAsked)}) {
        out += ',';
        out += field;
    }
    out += "\r\n";
}

}  // namespace

std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

void WriteReport(std::ostream& out, const std::vector<PlayerAnswers>& players) {
    std::vector<Row> rows;
    for (std::size_t p = 0; p < players.size(); ++p) {
        for (const FactSummary& fact : SummariseFacts(players[p].answers))
            rows.push_back({p, fact});
    }
    std::sort(rows.begin(), rows.end(), [&players](const Row& x, const Row& y) {
        if (auto c = ByMisses(x.fact, y.fact); c != 0) return c < 0;
        if (auto c = players[x.player].name <=> players[y.player].name; c != 0) return c < 0;
        if (auto c = ByQuestion(x.fact, y.fact); c != 0) return c < 0;
        return x.player < y.player;
    });

    std::vector<std::string> names;
    names.reserve(players.size());
    for (const PlayerAnswers& player : players) names.push_back(CsvField(player.name));
    std::string text = kHeader;
    for (const Row& row : rows) AppendRow(text, names[row.player], row.fact);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
}

}  // namespace pv
