#include "ParamsFile.h"

#include <nlohmann/json.hpp>

#include <cerrno>
#include <charconv>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

namespace velmora::cli {

namespace {

using nlohmann::json;

std::string numberText(const json& value)
{
    if (value.is_number_integer() && !value.is_number_unsigned())
        return std::to_string(value.get<std::int64_t>());
    if (value.is_number_unsigned())
        return std::to_string(value.get<std::uint64_t>());
    return numberFieldText(value.get<double>());
}

class EntryReader {
public:
    EntryReader(const json& entry, std::string place) : entry_(entry), place_(std::move(place)) {}

    [[noreturn]] void fail(const std::string& message) const { throw ParamsError(place_ + ": " + message); }

    // A field typed as text or given as a number.
    std::string field(const char* key) const
    {
        const auto it = entry_.find(key);
        if (it == entry_.end())
            fail(std::string("\"") + key + "\" is missing");
        if (it->is_string())
            return it->get<std::string>();
        if (it->is_number())
            return numberText(*it);
        fail(std::string("\"") + key + "\" must be a number or a text");
    }

    std::string text(const char* key, const char* fallback) const
    {
        const auto it = entry_.find(key);
        if (it == entry_.end()) {
            if (fallback == nullptr)
                fail(std::string("\"") + key + "\" is missing");
            return fallback;
        }
        if (!it->is_string())
            fail(std::string("\"") + key + "\" must be a text");
        return it->get<std::string>();
    }

private:
    const json& entry_;
    std::string place_;
};

std::string resolve(const std::string& path, const std::filesystem::path& folder)
{
    const std::filesystem::path p(path);
    if (p.is_absolute() || folder.empty())
        return p.lexically_normal().string();
    return (folder / p).lexically_normal().string();
}

} // namespace

std::string numberFieldText(double value)
{
    char buffer[40];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

ParamsFile parseParams(std::string_view text, const std::string& fileName)
{
    json document;
    try {
        document = json::parse(text.begin(), text.end());
    } catch (const json::parse_error& error) {
        throw ParamsError(fileName + ": not valid JSON: " + error.what());
    }
    if (!document.is_object())
        throw ParamsError(fileName + ": the file must hold an object with a \"parts\" list");
    for (const auto& [key, value] : document.items()) {
        if (key != "parts" && key != "output")
            throw ParamsError(fileName + ": unknown key \"" + key + "\" (expected \"parts\" and \"output\")");
    }
    const std::filesystem::path folder = std::filesystem::path(fileName).parent_path();

    ParamsFile file;
    if (const auto it = document.find("output"); it != document.end()) {
        if (!it->is_string() || it->get<std::string>().empty())
            throw ParamsError(fileName + ": \"output\" must be a file name");
        file.libraryOutput = resolve(it->get<std::string>(), folder);
    }
    const auto parts = document.find("parts");
    if (parts == document.end() || !parts->is_array() || parts->empty())
        throw ParamsError(fileName + ": \"parts\" must be a non-empty list of part types");

    static const std::set<std::string> kKeys = {"kind", "count", "length", "gap", "width",
                                                "name", "unit", "format", "output"};
    std::map<std::string, OutputFormat> outputs; // each file's format, to catch clashes
    for (std::size_t i = 0; i < parts->size(); ++i) {
        const json& entry = (*parts)[i];
        const std::string place = fileName + ": parts[" + std::to_string(i) + "]";
        if (!entry.is_object())
            throw ParamsError(place + ": each part type must be an object");
        EntryReader read(entry, place);
        for (const auto& [key, value] : entry.items()) {
            if (!kKeys.count(key))
                read.fail("unknown key \"" + key + "\"");
        }

        ParamsEntry result;
        const std::string kind = read.text("kind", nullptr);
        if (kind == "slider")
            result.request.kind = PartKind::Slider;
        else if (kind == "button")
            result.request.kind = PartKind::Button;
        else
            read.fail("\"kind\" must be \"slider\" or \"button\", not \"" + kind + "\"");
        result.request.texts = {read.field("count"), read.field("length"), read.field("gap"), read.field("width"),
                                read.text("name", nullptr)};
        const std::string unit = read.text("unit", "in");
        if (unit != "in" && unit != "mm")
            read.fail("\"unit\" must be \"in\" or \"mm\", not \"" + unit + "\"");
        result.request.millimetres = unit == "mm";
        const std::string format = read.text("format", "quarlin");
        const auto parsedFormat = outputFormatNamed(format);
        if (!parsedFormat)
            read.fail("\"format\" must be \"quarlin\", \"kicad\" or \"svg\", not \"" + format + "\"");
        result.format = *parsedFormat;

        const std::string output = read.text("output", "");
        if (!output.empty())
            result.output = resolve(output, folder);
        else if (result.format != OutputFormat::Quarlin)
            read.fail("\"output\" is needed for the " + format + " format: one file per footprint or preview");
        if (!result.output.empty()) {
            // Quarlin part types may share a file (a library); a footprint
            // or a preview fills its file alone.
            const auto [it, added] = outputs.emplace(result.output, result.format);
            if (result.output == file.libraryOutput ||
                (!added && (it->second != OutputFormat::Quarlin || result.format != OutputFormat::Quarlin)))
                read.fail("\"output\" " + result.output + " is already written by another entry");
        }
        file.entries.push_back(std::move(result));
    }
    return file;
}

ParamsFile readParamsFile(const std::string& fileName)
{
    std::error_code ignored;
    if (std::filesystem::is_directory(fileName, ignored))
        throw ParamsError(fileName + ": cannot read: it is a folder");
    std::ifstream in(fileName, std::ios::binary);
    if (!in)
        throw ParamsError(fileName + ": cannot read: " + std::strerror(errno));
    std::ostringstream content;
    content << in.rdbuf();
    if (in.bad())
        throw ParamsError(fileName + ": cannot read: " + std::strerror(errno));
    return parseParams(content.str(), fileName);
}

} // namespace velmora::cli
