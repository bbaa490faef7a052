#include "platform/forms/layout_error.h"

namespace plat::forms {

static std::string message(const std::string& file, const std::string& entry, const std::string& problem)
{
    std::string m = "layout file " + file;
    if (!entry.empty())
        m += ", entry " + entry;
    return m + ": " + problem;
}

LayoutError::LayoutError(std::string file, std::string entry, const std::string& problem)
    : std::runtime_error(message(file, entry, problem))
    , m_file(std::move(file))
    , m_entry(std::move(entry))
    , m_problem(problem)
{
}

} // namespace plat::forms
