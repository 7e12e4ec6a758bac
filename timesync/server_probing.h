// How far this computer's clock is from one server's, from the whole
// seconds of its Date headers.
//
// Each answer bounds the offset (server minus local): the server stamped
// its Date at some moment between the request's sending and the answer's
// coming, so offset >= Date - received and offset < Date + 1 s - sent.
// The answers' bounds together leave an interval; the offset is its middle
// and the bound half its width. The first request only finds the round
// trip, leaving an interval of a second and a round trip; each one after it
// is sent at the moment of the local second that makes it arrive (by half
// its round trip) just as the server's second ticks over if the offset
// were the interval's middle, so that its answer, whichever second it
// names, cuts the interval to half plus a round trip. Eight answers on a
// short round trip bound the offset within a few milliseconds plus half
// the round trip.
#pragma once

#include <cstdint>
#include <string>

#include "timesync/local_moment.h"
#include "timesync/probe_clock.h"
#include "timesync/probe_transport.h"
#include "timesync/system_time.h"

namespace zenka {

// Probing stops once the bound is within this of half the shortest round
// trip, or after kMaxProbes answers, or at the deadline.
inline constexpr Micros kProbeWindowGoal{4000};
inline constexpr int kMaxProbes = 12;

struct ServerMeasurement {
    std::string server;  // the URL as given
    bool measured = false;
    Micros offset{0};  // server time minus local time
    Micros bound{0};   // the offset is within this either way
    Micros shortestRoundTrip{0};
    int answers = 0;     // the answers that bounded the offset
    std::string reason;  // why not measured, in the words of the sync report
};

struct ProbePlan {
    LocalMoment deadline;  // no request is still running then
    SystemTime builtOn;    // Date headers before this day are refused
    uint64_t nonce = 0;    // the first request's cache-defeating query, counted up
    bool viaProxy = false;  // for the reasons of a failed request
};

// Asks with HEAD, and with GET from the first answer of 405 or 501 on.
// A request that fails ends the probing; the answers before it stand. A
// Date that cannot be used, or answers that contradict one another, leave
// the server unmeasured: its clock cannot be trusted. The URL is the one
// the connection was opened for.
ServerMeasurement MeasureServer(const std::string& url, ProbeConnection& connection, ProbeClock& clock,
                                const ProbePlan& plan);

// The first moment from `earliest` on at which a request with this round
// trip, its Date stamped half-way, meets the tick of the server's second if
// the offset is `offset`.
LocalMoment AimedSendingMoment(LocalMoment earliest, Micros roundTrip, Micros offset);

}  // namespace zenka
