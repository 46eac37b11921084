// Arbitrary bytes opened as a board file: decoding ends without a crash, in bounded time and
// memory, with either actions or a message. Whatever it accepts is saved and read again and must
// come back the same, so a file written by this program always opens again.
#include <chrono>
#include <cstdint>
#include <variant>

#include "fuzz_check.h"
#include "storage/board_file.h"

namespace curvana {
namespace {

// Real boards are far bigger, but every code path is reached with a few kilobytes, and each
// curve in an input is computed again, so a larger input only runs slower.
constexpr std::size_t kMaxInput = 64 * 1024;

void openLikeAFile(const QByteArray& bytes)
{
    const BoardReadResult result = decodeBoard(bytes);
    if (const auto* message = std::get_if<QString>(&result)) {
        fuzzCheck(!message->isEmpty(), "empty message for a bad file");
        return;
    }
    const auto& actions = std::get<OpenedBoard>(result).actions;
    const QByteArray saved = encodeBoard(actions);
    // Whether it opens again, not how fast: a slow build could otherwise run out of the read's time
    // on the second reading only.
    const BoardReadResult again = decodeBoard(saved, ReadBudget(std::chrono::minutes(1)));
    const auto* reread = std::get_if<OpenedBoard>(&again);
    fuzzCheck(reread != nullptr, "a saved board does not open again", saved.toStdString());
    fuzzCheck(reread->actions == actions, "a saved board opens as another board", saved.toStdString());
}

} // namespace
} // namespace curvana

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size > curvana::kMaxInput)
        return 0;
    curvana::openLikeAFile(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    return 0;
}
