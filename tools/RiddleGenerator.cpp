// Riddles shaped like the bundled ones: one to four lines joined by two blanks, 40 to 250
// characters, answers that are sometimes plural and sometimes list alternatives.
#include "tools/RiddleGenerator.h"

#include <array>

namespace {

constexpr std::array Openers{"I", "My", "You", "Nobody", "Everyone", "The more you"};
constexpr std::array Verbs{"carry", "follow", "hide", "keep",  "break", "fill", "open", "watch",
                           "climb", "hold",   "turn", "speak", "hear",  "feed", "lose", "find"};
constexpr std::array Words{
    "the",    "a",      "silver",  "quiet", "river",  "stone", "morning",  "candle",  "winter",
    "door",   "shadow", "window",  "clock", "garden", "key",   "mountain", "feather", "night",
    "little", "old",    "without", "under", "every",  "round", "empty",    "bright",  "paper",
    "road",   "coin",   "stair",   "bell",  "mirror", "rope",  "glass",    "wind",    "seed"};
constexpr std::array Closers{"What am I?", "What is it?", "Who am I?", "Name me."};
constexpr std::array Nouns{"candle", "shadow", "echo",   "river", "key",
                           "clock",  "mirror", "cloud",  "map",   "needle",
                           "coin",   "bell",   "window", "seed",  "ladder"};

}  // namespace

QString RiddleGenerator::Line() {
    QString line = QString::fromLatin1(Openers[Below(Openers.size())]);
    line += u' ';
    line += QString::fromLatin1(Verbs[Below(Verbs.size())]);
    const size_t words = 3 + Below(9);
    for (size_t i = 0; i < words; ++i) {
        line += u' ';
        line += QString::fromLatin1(Words[Below(Words.size())]);
    }
    line += u'.';
    return line;
}

QString RiddleGenerator::Answer() {
    QString answer = QString::fromLatin1(Nouns[Below(Nouns.size())]);
    switch (Below(6)) {
        case 0:  // a plural answer
            answer += u's';
            break;
        case 1:  // alternatives separated by commas
            answer += QStringLiteral(", a ") + answer + QStringLiteral(", ") +
                      QString::fromLatin1(Nouns[Below(Nouns.size())]);
            break;
        default:
            break;
    }
    return answer;
}

RiddleRecord RiddleGenerator::Next(qint64 id) {
    const size_t lines = 1 + Below(3);
    QString riddle = Line();
    for (size_t i = 1; i < lines; ++i) {
        riddle += QStringLiteral("  ") + Line();
    }
    riddle += (lines > 1 ? QStringLiteral("  ") : QStringLiteral(" ")) +
              QString::fromLatin1(Closers[Below(Closers.size())]);
    return RiddleRecord{id, riddle, Answer()};
}
