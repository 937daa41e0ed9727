// The public table: an HTML page readable without scripts, and the same scores as JSON.
// Every stored text is escaped on the way out.
#pragma once

#include "ScoreStore.h"

#include <string>
#include <vector>

std::string EscapeHtml(const std::string& text);
std::string EscapeJson(const std::string& text);

std::string ScoreTableHtml(const std::vector<TStoredScore>& scores);
std::string ScoreTableJson(const std::vector<TStoredScore>& scores);
