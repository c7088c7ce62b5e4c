#pragma once

#include "Zel_CodeBox.h"

#include <QList>
#include <QString>

/// Entity normalisation and the markup tokenizers of code rows. Pure
/// functions: every input ends in a finite token list.
namespace CodeTokenizer {

/// The stored form of a code row: named entities of the common characters
/// become numeric ones, tabs and CR LF pairs become spaces, and runs of up to
/// eight spaces shrink to one.
QString normalizeEntities(const QString& text);

/// Cuts a row into tokens. Text outside tags is kind 3 (7 on a shadowed row);
/// a "<" that is never closed leaves the rest of the row as plain text.
QList<CodeToken> tokenizeRow(const QString& text, bool shadowed);

/// Appends the tokens of one tag text (from "<" through its end) to \a tokens.
void tokenizeTag(const QString& tag, QList<CodeToken>& tokens);

/// The upper-cased element name of a tag text.
QString tagId(const QString& tag);

} // namespace CodeTokenizer
