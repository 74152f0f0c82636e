// SPDX-License-Identifier: GPL-3.0-or-later
#include <string>
#include <utility>
#include <vector>

#include "network/topology_diagram.h"

namespace kovrel {
namespace {

// The chain runs down the screen: a LAN, a router box listing its interfaces, the serial link,
// the second router box, its LAN. Link glyphs show the state; the router at the console has a
// double frame.
struct Glyphs {
  const char* horizontal;
  const char* vertical;
  const char* topLeft;
  const char* topRight;
  const char* bottomLeft;
  const char* bottomRight;
  const char* joinAbove;  // where a link meets the top edge
  const char* joinBelow;  // where a link leaves the bottom edge
};

struct GlyphSet {
  Glyphs single;
  Glyphs marked;  // the router at the console
  const char* up;
  const char* down;
  const char* administrativelyDown;
  const char* markedNote;  // how the legend names the frame of the router at the console
};

constexpr GlyphSet kUnicode{{"─", "│", "┌", "┐", "└", "┘", "┴", "┬"},
                            {"═", "║", "╔", "╗", "╚", "╝", "╧", "╤"},
                            "│",
                            "┆",
                            "╳",
                            "The router with the double frame is at the console."};
constexpr GlyphSet kAscii{{"-", "|", "+", "+", "+", "+", "+", "+"},
                          {"=", "|", "+", "+", "+", "+", "+", "+"},
                          "|",
                          ":",
                          "x",
                          "The router framed with = is at the console."};

constexpr int kIndent = 2;
constexpr int kLinkColumn = 6;  // where the links run, counted from the left margin
constexpr int kBoxInner = 56;   // columns between the two frame characters

// Display columns of UTF-8 text: every glyph used here is one column wide.
int columns(std::string_view text) {
  int count = 0;
  for (const char c : text) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
  return count;
}

std::string padded(std::string text, int width) {
  const int missing = width - columns(text);
  if (missing > 0) text.append(static_cast<std::size_t>(missing), ' ');
  return text;
}

std::string repeated(const char* glyph, int count) {
  std::string out;
  for (int i = 0; i < count; ++i) out += glyph;
  return out;
}

// The first `width` columns of a line.
std::string clipped(const std::string& line, int width) {
  int count = 0;
  for (std::size_t i = 0; i < line.size(); ++i) {
    if ((static_cast<unsigned char>(line[i]) & 0xC0) != 0x80 && count++ == width) {
      return line.substr(0, i);
    }
  }
  return line;
}

class TextPainter {
 public:
  TextPainter(const TopologyDiagram& diagram, const GlyphSet& glyphs)
      : diagram_(diagram), glyphs_(glyphs) {}

  std::vector<std::string> paint() {
    lines_.push_back(diagram_.title);
    lines_.emplace_back();
    paintNetwork(DiagramPlace::leftNetwork, DiagramPlace::leftHost1, DiagramPlace::leftHost2);
    for (const DiagramLink& link : diagram_.links) {
      if (link.from == DiagramPlace::leftNetwork) paintLink(link);
    }
    paintRouter(diagram_.node(DiagramPlace::leftRouter));
    for (const DiagramLink& link : diagram_.links) {
      if (link.from == DiagramPlace::leftRouter) paintLink(link);
    }
    paintRouter(diagram_.node(DiagramPlace::rightRouter));
    for (const DiagramLink& link : diagram_.links) {
      if (link.to == DiagramPlace::rightNetwork && link.from == DiagramPlace::rightRouter) {
        paintLink(link);
      }
    }
    paintNetwork(DiagramPlace::rightNetwork, DiagramPlace::rightHost1, DiagramPlace::rightHost2);
    paintLegend();
    return lines_;
  }

 private:
  std::string margin() const { return std::string(kIndent, ' '); }

  const char* linkGlyph(DiagramState state) const {
    switch (state) {
      case DiagramState::down:
        return glyphs_.down;
      case DiagramState::administrativelyDown:
        return glyphs_.administrativelyDown;
      default:
        return glyphs_.up;
    }
  }

  void paintNetwork(DiagramPlace network, DiagramPlace host1, DiagramPlace host2) {
    const DiagramNode& lan = diagram_.node(network);
    std::string line = margin() + lan.label;
    if (!lan.address.empty()) line += " " + lan.address;
    line += " with hosts " + diagram_.node(host1).address + " and " + diagram_.node(host2).address;
    lines_.push_back(line);
  }

  // One row of the link per text beside it, each end's row in that end's state; a link with no
  // names still gets one row.
  void paintLink(const DiagramLink& link) {
    std::vector<std::pair<std::string, DiagramState>> rows;
    if (!link.fromInterface.empty()) {
      rows.emplace_back(link.fromInterface, diagram_.endState(link, true));
    }
    if (!link.label.empty()) rows.emplace_back(link.label, link.state);
    if (!link.toInterface.empty()) {
      rows.emplace_back(link.toInterface, diagram_.endState(link, false));
    }
    if (rows.empty()) rows.emplace_back("", link.state);
    const std::string column = margin() + std::string(kLinkColumn - kIndent, ' ');
    for (const auto& [text, state] : rows) {
      std::string row = column + linkGlyph(state);
      if (!text.empty()) row += " " + text;
      lines_.push_back(row);
    }
  }

  std::string edge(const Glyphs& frame, const char* left, const char* join,
                   const char* right) const {
    const int before = kLinkColumn - kIndent - 1;
    return margin() + left + repeated(frame.horizontal, before) + join +
           repeated(frame.horizontal, kBoxInner - before - 1) + right;
  }

  std::string row(const Glyphs& frame, const std::string& content) const {
    return margin() + frame.vertical + " " + padded(content, kBoxInner - 2) + " " + frame.vertical;
  }

  // Links meet both routers above and below: the LAN or serial link above, the link below.
  void paintRouter(const DiagramNode& router) {
    const Glyphs& frame = router.atConsole ? glyphs_.marked : glyphs_.single;
    lines_.push_back(edge(frame, frame.topLeft, frame.joinAbove, frame.topRight));
    std::string name = router.label;
    if (router.atConsole) name = padded(name, kBoxInner - 2 - 14) + "at the console";
    lines_.push_back(row(frame, name));
    for (const DiagramInterface& interface : router.interfaces) {
      const std::string address = interface.address.empty() ? "no address" : interface.address;
      lines_.push_back(row(frame, "  " + padded(interface.name, 11) + padded(address, 19) +
                                      std::string(diagramStateText(interface.state))));
    }
    lines_.push_back(edge(frame, frame.bottomLeft, frame.joinBelow, frame.bottomRight));
  }

  void paintLegend() {
    lines_.emplace_back();
    lines_.push_back(margin() + "Links: " + glyphs_.up + " up   " + glyphs_.down + " down   " +
                     glyphs_.administrativelyDown + " administratively down");
    lines_.push_back(margin() + glyphs_.markedNote);
  }

  const TopologyDiagram& diagram_;
  const GlyphSet& glyphs_;
  std::vector<std::string> lines_;
};

}  // namespace

std::string renderDiagramText(const TopologyDiagram& diagram, int width, bool unicode) {
  std::string text;
  for (const std::string& line : TextPainter(diagram, unicode ? kUnicode : kAscii).paint()) {
    text += clipped(line, std::max(width, 0)) + "\n";
  }
  return text;
}

}  // namespace kovrel
