#pragma once
// Dispatch identifiers of the control's members and events, kept so that a host
// bridge dispatching by number finds the same members.

#include <cstdint>

namespace tellvane::dispid {

constexpr std::int32_t KansokujoNO = 0x40030004;
constexpr std::int32_t txtMax = 0x40030005;
constexpr std::int32_t txtMin = 0x40030006;
constexpr std::int32_t Mode = 0x40030007;
constexpr std::int32_t Seireki = 0x40030008;
constexpr std::int32_t ScreenWidth = 0x68030001;
constexpr std::int32_t ScreenHeight = 0x68030000;
constexpr std::int32_t NenZu = 0x60030005;
constexpr std::int32_t NenzuSakuzu = 0x60030007;
constexpr std::int32_t ReGRaph = 0x6003000b;

constexpr std::int32_t GetBlockData = 1;
constexpr std::int32_t GetLKansokujo = 2;

}  // namespace tellvane::dispid
