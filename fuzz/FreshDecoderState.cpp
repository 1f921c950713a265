#include "FreshDecoderState.h"

#include <cstring>
#include <type_traits>

namespace {

// Copies whole objects, padding included, so that a put-back state compares equal byte
// for byte.
template <typename T> void PutBack(T& part, const T& pristine, size_t count = 1) {
    static_assert(std::is_trivially_copyable_v<T>);
    std::memcpy(static_cast<void*>(&part), &pristine, sizeof(T) * count);
}

void PutBackTable(AisTargetTable& table, const AisTargetTable& pristine) {
    size_t used = table.Count < 1 ? 1 : static_cast<size_t>(table.Count);
    PutBack(table.Targets[0], pristine.Targets[0], used);
    if (table.Count > 1)
        PutBack(table.Index, pristine.Index);
    HeardOrder& order = table.Order;
    PutBack(order.Heap[0], pristine.Order.Heap[0], static_cast<size_t>(order.Size));
    PutBack(order.Place[0], pristine.Order.Place[0], used);
    PutBack(order.Size, pristine.Order.Size);
    PutBack(table.Count, pristine.Count);
    PutBack(table.Addressed, pristine.Addressed);
    PutBack(table.SafetyBroadcast, pristine.SafetyBroadcast);
    PutBack(table.Interrogation, pristine.Interrogation);
    PutBack(table.LinkManagement, pristine.LinkManagement);
    PutBack(table.ChannelManagement, pristine.ChannelManagement);
    PutBack(table.GroupAssignment, pristine.GroupAssignment);
    PutBack(table.LastIndex, pristine.LastIndex);
    PutBack(table.LastType, pristine.LastType);
}

} // namespace

FreshDecoderState::FreshDecoderState()
    : pristine_(std::make_unique<DecoderState>()), state_(std::make_unique<DecoderState>()) {
    PutBack(*state_, *pristine_);
}

DecoderState& FreshDecoderState::Take() {
    DecoderState& state = *state_;
    const DecoderState& pristine = *pristine_;
    PutBack(state.Sentence, pristine.Sentence);
    PutBack(state.Navigation, pristine.Navigation);
    PutBack(state.Ais.Pending, pristine.Ais.Pending);
    PutBack(state.Ais.Bits, pristine.Ais.Bits);
    PutBack(state.Ais.Message, pristine.Ais.Message);
    PutBack(state.Ais.Clock, pristine.Ais.Clock);
    PutBackTable(state.Ais.Targets, pristine.Ais.Targets);
    return state;
}
