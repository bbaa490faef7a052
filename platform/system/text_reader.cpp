#include "platform/system/text_reader.h"
#include "platform/system/ansi_codec.h"
#include "platform/system/file_system.h"


namespace plat::sys {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isLineEnd(char c) { return c == '\r' || c == '\n'; }

} // namespace

std::optional<TextReader> TextReader::open(const std::filesystem::path& path)
{
    const std::optional<std::string> bytes = readFileBytes(path);
    if (!bytes)
        return std::nullopt;
    return TextReader(decodeAnsi(*bytes));
}

TextReader TextReader::fromText(std::string text) { return TextReader(std::move(text)); }

void TextReader::skipLineEnd()
{
    if (m_position < m_text.size() && m_text[m_position] == '\r') {
        ++m_position;
        if (m_position < m_text.size() && m_text[m_position] == '\n')
            ++m_position;
    } else if (m_position < m_text.size() && m_text[m_position] == '\n') {
        ++m_position;
    }
}

std::optional<std::string> TextReader::readLine()
{
    if (atEnd())
        return std::nullopt;
    size_t end = m_text.find_first_of("\r\n", m_position);
    if (end == std::string::npos)
        end = m_text.size();
    std::string line = m_text.substr(m_position, end - m_position);
    m_position = end;
    skipLineEnd();
    return line;
}

std::optional<std::string> TextReader::readValue()
{
    if (atEnd())
        return std::nullopt;
    const size_t size = m_text.size();
    while (m_position < size && isBlank(m_text[m_position]))
        ++m_position;

    std::string value;
    if (m_position < size && m_text[m_position] == '"') {
        size_t start = m_position + 1;
        size_t end = start;
        while (end < size && m_text[end] != '"' && !isLineEnd(m_text[end]))
            ++end;
        value = m_text.substr(start, end - start);
        m_position = end < size && m_text[end] == '"' ? end + 1 : end;
        while (m_position < size && m_text[m_position] != ',' && !isLineEnd(m_text[m_position]))
            ++m_position;
    } else {
        size_t start = m_position;
        while (m_position < size && m_text[m_position] != ',' && !isLineEnd(m_text[m_position]))
            ++m_position;
        size_t end = m_position;
        while (end > start && isBlank(m_text[end - 1]))
            --end;
        value = m_text.substr(start, end - start);
    }

    if (m_position < size && m_text[m_position] == ',')
        ++m_position;
    else
        skipLineEnd();
    return value;
}

std::vector<std::string> TextReader::readAllLines()
{
    std::vector<std::string> lines;
    while (auto line = readLine())
        lines.push_back(std::move(*line));
    return lines;
}

} // namespace plat::sys
