#include "load_error_page.h"

#include <sstream>

std::string EscapeHtmlText(const std::string& text) {
  std::string escaped;
  escaped.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '&': escaped += "&amp;"; break;
      case '<': escaped += "&lt;"; break;
      case '>': escaped += "&gt;"; break;
      case '"': escaped += "&quot;"; break;
      case '\'': escaped += "&#39;"; break;
      default: escaped += c; break;
    }
  }
  return escaped;
}

std::string BuildLoadErrorPage(const std::string& failed_url, const std::string& error_text,
                               int error_code) {
  std::stringstream page;
  page << "<html><body><h2>Failed to load URL " << EscapeHtmlText(failed_url) << " with error "
       << EscapeHtmlText(error_text) << " (" << error_code << ").</h2></body></html>";
  return page.str();
}
