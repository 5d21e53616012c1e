// What the installer carries inside itself: the four program files it
// installs, the wizard's background JPEG and the agreement text. All are
// RCDATA resources of the installer exe.
#pragma once

// Resource identifiers (also read by the resource compiler for payload.rc).
#define TAVRIN_RES_NARVEL 201
#define TAVRIN_RES_PELGAR 202
#define TAVRIN_RES_TAVRIN 203
#define TAVRIN_RES_DOSK 204
#define TAVRIN_RES_BACKGROUND 210
#define TAVRIN_RES_AGREEMENT 211

#ifndef RC_INVOKED
#include <cstdint>
#include <span>

namespace payload {

// The bytes of an RCDATA resource of the running exe; empty when absent.
std::span<const std::uint8_t> Resource(int id);

}  // namespace payload

#endif  // RC_INVOKED
