// The kinds a project is made of: its remote kind (which is also the kind of
// framework it is generated from) and its protocol type. The values are the
// numbers the project file stores; callers keep them in plain integers and
// ask the predicates below instead of comparing numbers.
#pragma once

#include <cstdint>

// The remote kind, stored as [Project] RemoteType.
enum RemoteKind : std::int32_t { kRemoteGeneral = 0, kRemoteLcdSimple = 1, kRemoteLcdStandard = 2 };

// The framework kinds: one folder of frameworks, chips and protocols per remote kind.
enum FrameworkKind : std::int32_t {
  kFrameworkGeneral = kRemoteGeneral,
  kFrameworkLcdSimple = kRemoteLcdSimple,
  kFrameworkLcdStandard = kRemoteLcdStandard,
};

// The protocol type, stored as [Project] ProtocolType.
enum ProtocolKind : std::int32_t { kProtocolCodeWave = 0, kProtocolStandard = 1, kProtocolCustom = 2 };

// Protocol type names, indexed by the protocol type: the sub-folders of a
// protocols folder ("Custom" is also the protocol pages' project section).
inline constexpr const char* kProtocolKindNames[3] = {"CodeWave", "Standard", "Custom"};

// The name of a protocol type; nullptr for a value outside the table.
constexpr const char* ProtocolKindName(std::int32_t protocolType) {
  return protocolType >= 0 && protocolType < 3 ? kProtocolKindNames[protocolType] : nullptr;
}

// The framework a project of this remote kind is built from.
constexpr std::int32_t FrameworkKindOf(std::int32_t remoteType) { return remoteType; }

constexpr bool IsGeneralRemote(std::int32_t remoteType) { return remoteType == kRemoteGeneral; }
// LCD remotes, simple or standard.
constexpr bool IsLcdRemote(std::int32_t remoteType) {
  return remoteType == kRemoteLcdSimple || remoteType == kRemoteLcdStandard;
}
constexpr bool IsLcdStandardRemote(std::int32_t remoteType) { return remoteType == kRemoteLcdStandard; }
// The LCD remotes are air-conditioner remotes: their flow runs the
// air-conditioner pages, and their captures are decoded as such.
constexpr bool IsAirConditionerFlow(std::int32_t remoteType) { return IsLcdRemote(remoteType); }

constexpr bool IsStandardProtocol(std::int32_t protocolType) { return protocolType == kProtocolStandard; }
constexpr bool IsCustomProtocol(std::int32_t protocolType) { return protocolType == kProtocolCustom; }
