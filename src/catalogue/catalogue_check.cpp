// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/catalogue_check.h"

namespace kovrel {

std::optional<CatalogueTable> oneWordTable(CliMode mode) {
  switch (mode) {
    case CliMode::user:
      return CatalogueTable::userModeCmds;
    case CliMode::priv:
      return CatalogueTable::privModeCmds;
    case CliMode::conf:
      return CatalogueTable::confModeCmds;
    case CliMode::configLine:
      return CatalogueTable::lineModeCmds;
    case CliMode::configIf:
      return CatalogueTable::ifModeCmds;
    case CliMode::configRouterRip:
      return CatalogueTable::configRouterRipModeCmds;
    case CliMode::configRouterIgrp:
      return CatalogueTable::configRouterIgrpModeCmds;
    case CliMode::none:
      break;
  }
  return std::nullopt;
}

std::optional<CatalogueTable> extendedTable(CliMode mode) {
  switch (mode) {
    case CliMode::user:
      return CatalogueTable::userModeCmdsExtended;
    case CliMode::priv:
      return CatalogueTable::privModeCmdsExtended;
    case CliMode::conf:
      return CatalogueTable::confModeCmdsExtended;
    case CliMode::configIf:
      return CatalogueTable::ifModeCmdsExtended;
    case CliMode::configRouterRip:
      return CatalogueTable::configRouterRipModeCmdsExtended;
    case CliMode::configRouterIgrp:
      return CatalogueTable::configRouterIgrpModeCmdsExtended;
    case CliMode::configLine:
    case CliMode::none:
      break;
  }
  return std::nullopt;
}

bool checkIfCommandImplemented(const GrammarScope& scope, std::string_view typed) {
  const std::vector<Token> tokens = tokenize(typed);
  if (tokens.empty()) return false;
  const ParsedLine parsed = parseLine(scope, tokens);
  return !parsed.stopped && parsed.node != nullptr && parsed.node->carriedOut;
}

}  // namespace kovrel
