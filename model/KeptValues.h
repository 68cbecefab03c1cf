#pragma once
// Puts globals back as they were when a "what if" question ends, on every way out of it (a return
// from the middle, an exception). The question is put to the globals themselves, not to a copy,
// because the computer player reads the globals; the guard sees that the answer leaves no trace.
//
//   CKeptValues kept(g_Game.GameType, g_Game.TrumpCount, g_Game.PartyTricks);

#include <cstring>
#include <tuple>
#include <type_traits>

template <typename... T>
class CKeptValues {
public:
    explicit CKeptValues(T&... places) : slots_(Slot<T>(places)...) {}
    ~CKeptValues() {
        std::apply([](auto&... slot) { (slot.PutBack(), ...); }, slots_);
    }
    CKeptValues(const CKeptValues&) = delete;
    CKeptValues& operator=(const CKeptValues&) = delete;

private:
    // One place and its value when the question began; arrays are kept whole.
    template <typename U>
    struct Slot {
        static_assert(std::is_trivially_copyable_v<U>, "only plain values and arrays of them are kept");
        explicit Slot(U& place) : place(&place) { std::memcpy(&kept, &place, sizeof(U)); }
        void PutBack() const { std::memcpy(place, &kept, sizeof(U)); }
        U* place;
        std::remove_cv_t<U> kept;
    };
    std::tuple<Slot<T>...> slots_;
};
