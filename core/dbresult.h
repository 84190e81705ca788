#pragma once
#include <QString>
#include <optional>
#include <utility>
#include <variant>

// A failed database step: the engine's code and message, shown to the user as
// "Error <code>: <message>".
struct DbError {
    int code = 0;
    QString message;
    QString text() const { return QStringLiteral("Error ") + QString::number(code) + QStringLiteral(": ") + message; }
};

// Success, or the error that stopped an operation.
class DbStatus {
public:
    DbStatus() = default;
    DbStatus(DbError error)
        : m_error(std::move(error))
    {
    }
    explicit operator bool() const { return !m_error; }
    const DbError& error() const { return *m_error; }

private:
    std::optional<DbError> m_error;
};

// A value, or the error that kept it from being read.
template <typename T>
class DbResult {
public:
    DbResult(T value)
        : m_value(std::move(value))
    {
    }
    DbResult(DbError error)
        : m_value(std::move(error))
    {
    }
    explicit operator bool() const { return std::holds_alternative<T>(m_value); }
    T& operator*() { return std::get<T>(m_value); }
    const T& operator*() const { return std::get<T>(m_value); }
    T* operator->() { return &std::get<T>(m_value); }
    const T* operator->() const { return &std::get<T>(m_value); }
    const DbError& error() const { return std::get<DbError>(m_value); }
    DbStatus status() const { return *this ? DbStatus() : DbStatus(error()); }

private:
    std::variant<T, DbError> m_value;
};
