#pragma once
// The tables of the history database, the version kept in
// PRAGMA user_version, and the pragmas every connection sets.
namespace vorpa {

constexpr int kHistorySchemaVersion = 1;

// Creates every table, index and view (for an empty database).
extern const char* const kHistorySchema;

}  // namespace vorpa
