#pragma once

#include <QString>

#include <optional>

// Where the store lives: nowhere (turned off), an SQLite file, or a PostgreSQL server.
namespace store {

struct Location {
    enum class Kind { None, Sqlite, Postgres };
    Kind kind = Kind::None;
    QString text; // as given (or the default path), for messages
    QString path; // Sqlite
    // Postgres: postgresql://USER@HOST[:PORT]/DB; the password comes from PGPASSWORD or
    // ~/.pgpass, as libpq finds it.
    QString user, host, database;
    int port = 5432;

    bool enabled() const { return kind != Kind::None; }
};

// The value of --store or ZETRA_STORE: "none" turns the store off, postgresql://... names a
// server, anything else is a file path. Empty with `error` set when a server URL is malformed.
std::optional<Location> parseLocation(const QString& text, QString* error);

// The location the front ends use: --no-store, else --store, else the environment's
// ZETRA_STORE, else meters.sqlite in the user's application data folder.
std::optional<Location> resolveLocation(const std::optional<QString>& option, bool noStore,
                                        QString* error);

// meters.sqlite in the program's application data folder (~/.local/share/zetra on Linux,
// %APPDATA%\zetra on Windows), the same for the window and zetra-cli.
QString defaultPath();

} // namespace store
