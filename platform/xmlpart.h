#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

class QXmlStreamReader;
class QXmlStreamWriter;

// A small element tree for the pieces of a package part that get rewritten.
// Names are kept as written (with their prefix), namespace declarations as
// attributes, so a node writes back the way it was read.
struct XmlNode {
    QString name; // qualified name; empty for a text node
    QString text; // a text node's characters
    std::vector<std::pair<QString, QString>> attributes;
    std::vector<XmlNode> children;

    static XmlNode element(const QString& name);
    static XmlNode textNode(const QString& text);

    bool isText() const { return name.isEmpty(); }
    QString localName() const;
    QString prefix() const; // "x:" for "x:c", "" without prefix
    // By local name, so "r:id" answers "id"; namespace declarations are not looked at.
    QString attribute(const QString& localName) const;
    bool hasAttribute(const QString& localName) const;
    void setAttribute(const QString& name, const QString& value);
    void removeAttribute(const QString& localName);
    const XmlNode* child(const QString& localName) const;
    XmlNode* child(const QString& localName);
    // The text an element holds, and its replacement by one text.
    QString innerText() const;
    void setInnerText(const QString& text);

    // Reads the element the reader stands on, through its end tag.
    static XmlNode read(QXmlStreamReader& reader);
    void write(QXmlStreamWriter& writer) const;
    QString toString() const;
};

// One XML part of a package: the root's direct children are found and parsed,
// everything else stays the text it was. Children that are edited, replaced,
// inserted or removed are written anew; the rest is copied as it stood.
class XmlPart {
public:
    static std::optional<XmlPart> parse(const QByteArray& data);

    const XmlNode& root() const { return m_root; } // the root's name and attributes
    std::vector<const XmlNode*> elements() const;
    const XmlNode* find(const QString& localName) const;
    // Moves the first child of that name out, for a caller that builds its
    // own model; the part keeps writing the child's text until it is replaced.
    std::optional<XmlNode> take(const QString& localName);
    // The first child of that name, marked for writing anew.
    XmlNode* edit(const QString& localName);
    // Writes the child of that name as the given XML text instead.
    bool replace(const QString& localName, const QString& xml);
    // Adds a child before the first one named in followers, else at the end.
    // Fails only on a root without an end tag.
    bool insert(XmlNode node, const QStringList& followers);
    // Removes the children that match; returns how many.
    int removeIf(const std::function<bool(const XmlNode&)>& match);

    bool isChanged() const;
    QByteArray toByteArray() const;

private:
    enum class State { Kept, Edited, Replaced, Inserted, Removed };
    struct Child {
        qsizetype begin = -1;
        qsizetype end = -1;
        XmlNode node;
        State state = State::Kept;
        QString replacement;
    };

    QByteArray m_data;
    QString m_text;
    XmlNode m_root;
    qsizetype m_rootOpenEnd = 0; // just after the root's start tag
    qsizetype m_rootClose = -1;  // where the root's end tag starts; -1 when it has none
    std::vector<Child> m_children;
};
