// The self-play tool: its arguments, its JSON, and logs that replay exactly from a seed.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "tools/selfplay/arguments.h"
#include "tools/selfplay/json_line.h"
#include "tools/selfplay/self_play.h"

namespace pg::selfplay {
namespace {

std::string Log(const SelfPlayOptions& options) {
  std::ostringstream out;
  SelfPlay play(options, out);
  play.Run();
  return out.str();
}

std::vector<std::string> Lines(const std::string& log) {
  std::vector<std::string> lines;
  std::istringstream in(log);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::string EventOf(const std::string& line) {
  constexpr std::string_view kStart = "{\"event\":\"";
  if (!line.starts_with(kStart) || !line.ends_with("}")) return "(not a record) " + line;
  return line.substr(kStart.size(), line.find('"', kStart.size()) - kStart.size());
}

// The text of a string field, or "" when the line has none.
std::string TextField(const std::string& line, const std::string& key) {
  const std::string start = "\"" + key + "\":\"";
  const std::size_t at = line.find(start);
  if (at == std::string::npos) return "";
  const std::size_t from = at + start.size();
  return line.substr(from, line.find('"', from) - from);
}

SelfPlayOptions Seeded(std::uint64_t seed, int matches) {
  SelfPlayOptions options;
  options.seed = seed;
  options.matches = matches;
  return options;
}

TEST(JsonLineTest, EscapesWhatJsonRequiresAndKeepsUtf8) {
  const struct {
    std::string_view text;
    std::string_view json;
  } rows[] = {
      {"A3", R"("A3")"},
      {"say \"koi\"", R"("say \"koi\"")"},
      {"back\\slash", R"("back\\slash")"},
      {"line\nfeed\ttab\rreturn", R"("line\nfeed\ttab\rreturn")"},
      {std::string_view("\x01\x1f\0", 3), R"("\u0001\u001f\u0000")"},
      {"こいこい　残3", R"("こいこい　残3")"},
  };
  for (const auto& row : rows) EXPECT_EQ(Quoted(row.text), row.json) << row.text;
  EXPECT_EQ(JsonLine("play").Number("side", 1).Flag("bonus", false).Json("took", Array({})).Line(),
            "{\"event\":\"play\",\"side\":1,\"bonus\":false,\"took\":[]}\n");
}

TEST(ArgumentsTest, AcceptsTheDocumentedFormsAndRejectsTheRest) {
  const struct {
    std::vector<std::string_view> args;
    bool valid;
  } rows[] = {
      {{"--seed", "1"}, true},
      {{"--seed", "18446744073709551615", "--matches", "0"}, true},
      {{"--matches", "3", "--seed", "7", "--rules", "1,1,0,1,1,3"}, true},
      {{}, false},
      {{"--matches", "3"}, false},
      {{"--seed"}, false},
      {{"--seed", "-1"}, false},
      {{"--seed", "12x"}, false},
      {{"--seed", "1", "--matches", "-2"}, false},
      {{"--seed", "1", "--rules", "0,0,1,0,5"}, false},
      {{"--seed", "1", "--rules", "0,0,1,0,5,5,5"}, false},
      {{"--seed", "1", "--rules", "0,0,2,0,5,5"}, false},
      {{"--seed", "1", "--rules", "0,0,1,0,0,5"}, false},
      {{"--seed", "1", "--rules", "0,0,1,0,5,6"}, false},
      {{"--seed", "1", "--rules", "0,0,1,0,5,"}, false},
      {{"--seed", "1", "--verbose"}, false},
      {{"--seed", "1", "--deal-code", "hanaf32d"}, true},
      {{"--seed", "1", "--deal-code", "HANAF32E"}, false},
  };
  for (const auto& row : rows) {
    std::string joined;
    for (std::string_view arg : row.args) joined += std::string(arg) + " ";
    const auto parsed = ParseArguments(row.args);
    EXPECT_EQ(std::holds_alternative<SelfPlayOptions>(parsed), row.valid) << joined;
    if (const auto* error = std::get_if<std::string>(&parsed)) {
      EXPECT_FALSE(error->empty()) << joined;
    }
  }

  const std::vector<std::string_view> args{"--seed", "9", "--matches", "4", "--rules", "1,0,0,1,2,3"};
  const auto options = std::get<SelfPlayOptions>(ParseArguments(args));
  EXPECT_EQ(options.seed, 9u);
  EXPECT_EQ(options.matches, 4);
  EXPECT_TRUE(options.rules.TsukimiOn() && !options.rules.HanamiOn());
  EXPECT_TRUE(options.rules.OyaRightOn() && options.rules.KikuAsChaff());
  EXPECT_EQ(options.rules.rten[0], "2");
  EXPECT_EQ(options.rules.rscroll[1], 3);

  const auto defaults = std::get<SelfPlayOptions>(ParseArguments(std::vector<std::string_view>{"--seed", "1"}));
  EXPECT_EQ(defaults.matches, 1);
  EXPECT_TRUE(defaults.rules.HanamiOn() && defaults.rules.TsukimiOn());
  EXPECT_FALSE(defaults.rules.OyaRightOn() || defaults.rules.KikuAsChaff());
  EXPECT_EQ(defaults.rules.rten[1], "5");
}

TEST(SelfPlayTest, TheSameSeedGivesTheSameLogByteForByte) {
  const std::string first = Log(Seeded(11, 3));
  EXPECT_EQ(Log(Seeded(11, 3)), first);
  EXPECT_NE(Log(Seeded(12, 3)), first);
}

TEST(SelfPlayTest, EachMatchIsLoggedFromTheDrawToTheResult) {
  const std::vector<std::string> lines = Lines(Log(Seeded(5, 3)));
  std::vector<std::string> events;
  for (const std::string& line : lines) events.push_back(EventOf(line));
  ASSERT_FALSE(events.empty());

  int matches = 0;
  int deals = 0;
  int monthEnds = 0;
  for (std::size_t i = 0; i < events.size(); ++i) {
    const std::string& event = events[i];
    if (event == "match") {
      EXPECT_EQ(lines[i], "{\"event\":\"match\",\"match\":" + std::to_string(matches) + "}");
      ASSERT_LT(i + 2, events.size());
      EXPECT_EQ(events[i + 1], "dealer");
      EXPECT_EQ(events[i + 2], "deal");
      ++matches;
    } else if (event == "deal") {
      ++deals;
      EXPECT_NE(lines[i].find("\"month\":" + std::to_string(monthEnds % 12 + 1) + ","), std::string::npos) << lines[i];
    } else if (event == "month_end") {
      ++monthEnds;
    } else if (event == "match_end") {
      EXPECT_EQ(monthEnds, 12 * matches) << "the result follows the twelfth month";
    } else {
      EXPECT_TRUE(event == "dealer" || event == "play" || event == "labels" || event == "agari") << lines[i];
    }
  }
  EXPECT_EQ(matches, 3);
  EXPECT_EQ(deals, 36);
  EXPECT_EQ(monthEnds, 36);
  EXPECT_EQ(events.back(), "match_end");
}

TEST(SelfPlayTest, PlaysNameWhatTheyTookAndThePlayersChoices) {
  const std::vector<std::string> lines = Lines(Log(Seeded(2, 4)));
  int choices = 0;
  for (const std::string& line : lines) {
    if (EventOf(line) != "play") continue;
    const std::string card = TextField(line, "card");
    EXPECT_EQ(line.find("\"took\":[\"" + card + "\""), std::string::npos) << "a card does not take itself: " << line;
    const std::string chose = TextField(line, "chose");
    if (chose.empty()) continue;
    ++choices;
    EXPECT_TRUE(line.find("\"side\":0,\"step\":0,") != std::string::npos ||
                line.find("\"side\":0,\"step\":2,") != std::string::npos)
        << "only the player chooses: " << line;
    EXPECT_EQ(chose[0], card[0]) << line;
    EXPECT_NE(line.find("\"took\":[\"" + chose + "\""), std::string::npos) << "the chosen card is taken: " << line;
  }
  EXPECT_GT(choices, 0) << "four matches without a single two-way choice";
}

TEST(SelfPlayTest, TheRuleArgumentDecidesTheDealersRight) {
  auto dealerRights = [](int oyaRule) {
    SelfPlayOptions options = Seeded(4, 20);
    options.rules.option[2] = static_cast<std::int16_t>(oyaRule);
    int count = 0;
    for (const std::string& line : Lines(Log(options))) count += line.find("\"rows\":[[\"親権\"") != std::string::npos;
    return count;
  };
  EXPECT_GT(dealerRights(0), 0);
  EXPECT_EQ(dealerRights(1), 0);
}

}  // namespace
}  // namespace pg::selfplay
