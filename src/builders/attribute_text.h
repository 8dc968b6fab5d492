#pragma once
#include <string>
#include <string_view>

namespace quillane {

// The text of one attribute as the builders write it: a space, the upper-case
// name, "=" and the value, double-quoted for file names, URLs and free texts.
std::string QuotedAttribute(std::string_view name, std::string_view value);
std::string PlainAttribute(std::string_view name, std::string_view value);
// The same, left out entirely (empty) when the field is empty.
std::string OptionalQuotedAttribute(std::string_view name, std::string_view value);
std::string OptionalPlainAttribute(std::string_view name, std::string_view value);

}  // namespace quillane
