// The one-line page shown in a frame whose load failed.
#pragma once

#include <string>

// The page keeps the failed address's origin, so the address and the engine's
// error text go in as HTML text, never as markup.
std::string BuildLoadErrorPage(const std::string& failed_url, const std::string& error_text,
                               int error_code);

std::string EscapeHtmlText(const std::string& text);
