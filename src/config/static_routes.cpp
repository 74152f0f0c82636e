// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/static_routes.h"

#include <algorithm>

#include "base/ip_arithmetic.h"
#include "base/output.h"

namespace kovrel {
namespace {

constexpr std::size_t kFirstRouteWord = 2;  // after "ip route"

bool prefixWord(std::string_view word, std::string_view keyword) {
  return !word.empty() && keyword.starts_with(word);
}

// The route a line describes from its third word on; nothing after replying to the student.
std::optional<StaticRoute> readRoute(Simulator& sim, const Words& words, std::size_t from) {
  const auto refuseAt = [&](std::size_t word) {
    markUnmatchedWord(sim, word, words.size());
    invalidInput(sim);
    return std::nullopt;
  };
  StaticRoute route;
  route.network = words[from];
  route.mask = words[from + 1];
  if (!isValidIpAddress(route.network)) return refuseAt(from);
  if (!isValidRouteMask(route.mask)) return refuseAt(from + 1);
  std::size_t next = from + 2;
  if (next >= words.size()) return route;
  if (const auto named = readInterfaceName(words, next)) {
    route.interface = named->number;
    next += named->wordCount;
  } else if (isValidIpAddress(words[next])) {
    route.nextHop = words[next++];
  } else {
    return refuseAt(next);
  }
  if (next < words.size()) {
    const auto distance = numberInRange(words[next], 1, 255);
    if (!distance) return refuseAt(next);
    route.distance = *distance;
    ++next;
  }
  if (next < words.size()) return refuseAt(next);
  return route;
}

bool sameDestination(const StaticRoute& a, const StaticRoute& b) {
  return parseDottedQuad(a.network) == parseDottedQuad(b.network) &&
         parseDottedQuad(a.mask) == parseDottedQuad(b.mask);
}

bool sameWay(const StaticRoute& a, const StaticRoute& b) {
  return a.interface == b.interface && parseDottedQuad(a.nextHop) == parseDottedQuad(b.nextHop);
}

bool isOwnAddress(const RouterConfig& config, std::string_view address) {
  const auto numbers = {kSerial0, kSerial1, kEthernet0};
  return std::any_of(numbers.begin(), numbers.end(), [&](InterfaceNumber n) {
    const std::string& own = config.interface(n).ipAddress;
    return !own.empty() && parseDottedQuad(own) == parseDottedQuad(address);
  });
}

}  // namespace

std::optional<NamedInterface> readInterfaceName(const Words& words, std::size_t at) {
  if (at >= words.size()) return std::nullopt;
  const std::string& word = words[at];
  const std::size_t digits = word.find_first_of("0123456789");
  const std::string name = toLower(word.substr(0, digits));
  std::string number = digits == std::string::npos ? std::string() : word.substr(digits);
  std::size_t wordCount = 1;
  if (number.empty() && at + 1 < words.size()) {
    number = words[at + 1];
    wordCount = 2;
  }
  if (prefixWord(name, "serial") && (number == "0" || number == "1")) {
    return NamedInterface{number == "0" ? kSerial0 : kSerial1, wordCount};
  }
  if (prefixWord(name, "ethernet") && number == "0") return NamedInterface{kEthernet0, wordCount};
  return std::nullopt;
}

FormOutcome addStaticRoute(Simulator& sim, const Words& words) {
  std::optional<StaticRoute> route = readRoute(sim, words, kFirstRouteWord);
  if (!route) return FormOutcome::done;
  if (route->nextHop.empty() && !route->interface) {
    incompleteCommand(sim);
    return FormOutcome::done;
  }
  const std::uint32_t network = *parseDottedQuad(route->network);
  if ((network & ~*parseDottedQuad(route->mask)) != 0) {
    writeConsoleLine(sim, "%Inconsistent address and mask");
    return FormOutcome::done;
  }
  if (!route->nextHop.empty() && isOwnAddress(sim.running(), route->nextHop)) {
    writeConsoleLine(sim, "%Invalid next hop address (it's this router)");
    return FormOutcome::done;
  }
  auto& routes = sim.running().staticRoutes;
  const auto same = std::find_if(routes.begin(), routes.end(), [&](const StaticRoute& known) {
    return sameDestination(known, *route) && sameWay(known, *route);
  });
  if (same != routes.end()) {
    same->distance = route->distance;
  } else {
    routes.push_back(std::move(*route));
  }
  return FormOutcome::done;
}

FormOutcome removeStaticRoute(Simulator& sim, const Words& words) {
  const std::optional<StaticRoute> route = readRoute(sim, words, kFirstRouteWord + 1);
  if (!route) return FormOutcome::done;
  const bool anyWay = route->nextHop.empty() && !route->interface;
  const auto removed = std::erase_if(sim.running().staticRoutes, [&](const StaticRoute& known) {
    return sameDestination(known, *route) && (anyWay || sameWay(known, *route));
  });
  if (removed == 0) writeConsoleLine(sim, "%No matching route to delete");
  return FormOutcome::done;
}

std::string staticRouteLine(const StaticRoute& route) {
  std::string line = "ip route " + route.network + " " + route.mask + " ";
  line += route.interface ? interfaceName(*route.interface) : route.nextHop;
  if (route.distance != 1) line += " " + std::to_string(route.distance);
  return line;
}

}  // namespace kovrel
