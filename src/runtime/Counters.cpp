#include "runtime/Counters.h"

#include "runtime/Services.h"

#include <limits>

namespace {
[[noreturn]] void Overflow()
{
    ShowMessage("Overflow ERROR", "数値が大きくなりすぎました（オーバーフロー）\r\n実行を中断します", MessageKind::Stop);
    EndProgram();
}

template <typename T>
T Checked(std::int64_t v)
{
    if (v > std::numeric_limits<T>::max() || v < std::numeric_limits<T>::min())
        Overflow();
    return static_cast<T>(v);
}
}  // namespace

void Increment(std::int16_t& counter) { counter = Checked<std::int16_t>(std::int64_t{counter} + 1); }
void Increment(std::int32_t& counter) { counter = Checked<std::int32_t>(std::int64_t{counter} + 1); }
void AddTo(std::int32_t& counter, std::int32_t amount) { counter = Checked<std::int32_t>(std::int64_t{counter} + amount); }
std::int32_t CheckedSum(std::int32_t a, std::int32_t b) { return Checked<std::int32_t>(std::int64_t{a} + b); }
