#pragma once
#include "dbresult.h"

#include <QString>

// What a database error means, in the shop's words, for the messages that
// tell why the books could not be read or written.
namespace DbReason {
// "文件只读", "磁盘空间不足", "文件损坏" …, from the engine's result code.
QString words(const DbError& error);
// The words, then the engine's own text: "文件只读（Error 8: attempt to write a readonly database）".
QString explain(const DbError& error);
// Words in the shop's language, then the cause as the system gave it, in brackets.
QString withCause(const QString& words, const QString& cause);
}
