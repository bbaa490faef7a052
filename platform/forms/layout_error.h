#pragma once
#include <stdexcept>
#include <string>

namespace plat::forms {

// A stored layout that cannot be used: missing, unreadable, not well-formed, or with an
// entry the loader cannot make sense of. The message names the file and the entry and is
// meant to be shown as it is.
class LayoutError : public std::runtime_error {
public:
    LayoutError(std::string file, std::string entry, const std::string& problem);
    const std::string& file() const { return m_file; }
    const std::string& entry() const { return m_entry; } // empty when the file as a whole failed
    const std::string& problem() const { return m_problem; }

private:
    std::string m_file;
    std::string m_entry;
    std::string m_problem;
};

} // namespace plat::forms
