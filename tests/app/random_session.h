#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

// Seeded sessions of random events. A session is generated from its seed alone and played from a fresh
// start, its first event; the first broken rule ends it with a text. A failing session is shrunk by
// delta debugging (events are dropped while it still fails) and reported with its seed and the events
// left.
// TAVRELO_RANDOM_SESSIONS sets how many sessions run (a long run), TAVRELO_RANDOM_SEED the first seed;
// a seed is played again alone with TAVRELO_RANDOM_SESSIONS=1.
// The seed of the session being played, for a report made from inside it.
inline unsigned& PlayedSeed()
{
    static unsigned seed = 0;
    return seed;
}

// A long run: the number of sessions is given. Its sessions may also hold waits of a second.
inline bool LongRun()
{
    return std::getenv("TAVRELO_RANDOM_SESSIONS") != nullptr;
}

template <typename Event> struct RandomSessions {
    std::function<std::vector<Event>(std::mt19937& random)> generate;
    std::function<std::optional<std::string>(const std::vector<Event>& events)> play;
    std::function<std::string(const Event& event)> describe;

    void Run(int sessions) const
    {
        if (const char* n = std::getenv("TAVRELO_RANDOM_SESSIONS"))
            sessions = std::atoi(n);
        unsigned first = 1;
        if (const char* s = std::getenv("TAVRELO_RANDOM_SEED"))
            first = unsigned(std::strtoul(s, nullptr, 10));
        int failed = 0;
        for (unsigned seed = first; seed < first + unsigned(sessions) && failed < 3; ++seed) {
            PlayedSeed() = seed;
            std::mt19937 random(seed);
            std::vector<Event> events = generate(random);
            std::optional<std::string> failure = play(events);
            if (!failure)
                continue;
            ++failed;
            shrink(events, failure);
            std::ostringstream out;
            out << "seed " << seed << ": " << *failure << "\n  after " << events.size() << " events:";
            for (const Event& e : events)
                out << "\n    " << describe(e);
            ADD_FAILURE() << out.str();
        }
    }

private:
    // ddmin over the events, bounded so that a long session shrinks in reasonable time
    void shrink(std::vector<Event>& events, std::optional<std::string>& failure) const
    {
        const Event first = events.front(); // the start of the session stays
        events.erase(events.begin());
        auto played = [&](std::vector<Event> rest) {
            rest.insert(rest.begin(), first);
            return play(rest);
        };
        size_t parts = 2;
        for (int plays = 0; events.size() > 1 && plays < 400;) {
            const size_t chunk = (events.size() + parts - 1) / parts;
            bool smaller = false;
            for (size_t start = 0; start < events.size() && plays < 400; start += chunk, ++plays) {
                std::vector<Event> rest(events.begin(), events.begin() + start);
                rest.insert(rest.end(), events.begin() + std::min(events.size(), start + chunk),
                            events.end());
                if (std::optional<std::string> f = played(rest)) {
                    events = std::move(rest);
                    failure = std::move(f);
                    parts = std::max<size_t>(parts - 1, 2);
                    smaller = true;
                    break;
                }
            }
            if (!smaller) {
                if (parts >= events.size())
                    break;
                parts = std::min(parts * 2, events.size());
            }
        }
        events.insert(events.begin(), first);
    }
};
