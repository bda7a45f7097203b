#include "BoardFile.h"

#include "CellText.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <random>

namespace {

constexpr int kCellCount = 81;

std::filesystem::path UnusedSiblingName(const std::filesystem::path& path)
{
    std::random_device entropy;
    std::filesystem::path candidate;
    std::error_code ignored;
    do {
        candidate = path;
        candidate += ".saving-" + std::to_string(entropy() % 1000000u);
    } while (std::filesystem::exists(candidate, ignored));
    return candidate;
}

bool Fail(std::string* error, const std::string& reason)
{
    if (error)
        *error = reason;
    return false;
}

}  // namespace

void DecodeBoardBytes(const std::string& bytes, int values[81])
{
    for (int cell = 0; cell < kCellCount; ++cell) {
        const size_t index = static_cast<size_t>(cell);
        values[cell] = index < bytes.size() ? TextToValue(std::string(1, bytes[index])) : -1;
    }
}

bool ReadBoardFile(const std::filesystem::path& path, int values[81])
{
    std::error_code error;
    if (std::filesystem::is_directory(path, error))
        return false;
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return false;
    std::string bytes(kCellCount, '\0');
    file.read(bytes.data(), kCellCount);
    if (file.bad())
        return false;
    bytes.resize(static_cast<size_t>(file.gcount()));
    DecodeBoardBytes(bytes, values);
    return true;
}

bool WriteBoardFile(const std::filesystem::path& path, const int values[81], std::string* error)
{
    std::string bytes;
    for (int cell = 0; cell < kCellCount; ++cell)
        bytes += ValueToText(values[cell]).front();

    const std::filesystem::path temporary = UnusedSiblingName(path);
    errno = 0;
    std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
    if (!file)
        return Fail(error, errno ? std::strerror(errno) : "the file could not be created");
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (!file) {
        const std::string reason = errno ? std::strerror(errno) : "the file could not be written";
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        return Fail(error, reason);
    }

    std::error_code status;
    // Keep the permissions of the file being replaced.
    const auto existing = std::filesystem::status(path, status);
    if (!status && std::filesystem::is_regular_file(existing))
        std::filesystem::permissions(temporary, existing.permissions(), status);

    std::error_code renamed;
    std::filesystem::rename(temporary, path, renamed);
    if (renamed) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        return Fail(error, renamed.message());
    }
    return true;
}
