#include "xmlpart.h"

#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <algorithm>
#include <utility>

XmlNode XmlNode::element(const QString& name)
{
    XmlNode node;
    node.name = name;
    return node;
}

XmlNode XmlNode::textNode(const QString& text)
{
    XmlNode node;
    node.text = text;
    return node;
}

static QString localPart(const QString& qualified)
{
    const qsizetype colon = qualified.indexOf(QLatin1Char(':'));
    return colon < 0 ? qualified : qualified.mid(colon + 1);
}

static bool isNamespaceDeclaration(const QString& name)
{
    return name == QLatin1String("xmlns") || name.startsWith(QLatin1String("xmlns:"));
}

QString XmlNode::localName() const { return localPart(name); }

QString XmlNode::prefix() const
{
    const qsizetype colon = name.indexOf(QLatin1Char(':'));
    return colon < 0 ? QString() : name.left(colon + 1);
}

QString XmlNode::attribute(const QString& localName) const
{
    for (const auto& [key, value] : attributes) {
        if (!isNamespaceDeclaration(key) && localPart(key) == localName)
            return value;
    }
    return {};
}

bool XmlNode::hasAttribute(const QString& localName) const
{
    return std::any_of(attributes.begin(), attributes.end(), [&](const auto& attribute) {
        return !isNamespaceDeclaration(attribute.first) && localPart(attribute.first) == localName;
    });
}

void XmlNode::setAttribute(const QString& attributeName, const QString& value)
{
    for (auto& [key, old] : attributes) {
        if (key == attributeName) {
            old = value;
            return;
        }
    }
    attributes.emplace_back(attributeName, value);
}

void XmlNode::removeAttribute(const QString& localName)
{
    std::erase_if(attributes, [&](const auto& attribute) {
        return !isNamespaceDeclaration(attribute.first) && localPart(attribute.first) == localName;
    });
}

const XmlNode* XmlNode::child(const QString& localName) const
{
    for (const XmlNode& node : children) {
        if (!node.isText() && node.localName() == localName)
            return &node;
    }
    return nullptr;
}

XmlNode* XmlNode::child(const QString& localName) { return const_cast<XmlNode*>(std::as_const(*this).child(localName)); }

QString XmlNode::innerText() const
{
    QString text;
    for (const XmlNode& node : children) {
        if (node.isText())
            text += node.text;
    }
    return text;
}

void XmlNode::setInnerText(const QString& text)
{
    children.clear();
    children.push_back(textNode(text));
}

XmlNode XmlNode::read(QXmlStreamReader& reader)
{
    XmlNode node = element(reader.qualifiedName().toString());
    for (const auto& declaration : reader.namespaceDeclarations()) {
        const QString prefix = declaration.prefix().toString();
        node.attributes.emplace_back(prefix.isEmpty() ? QStringLiteral("xmlns") : QStringLiteral("xmlns:") + prefix,
                                     declaration.namespaceUri().toString());
    }
    for (const auto& attribute : reader.attributes())
        node.attributes.emplace_back(attribute.qualifiedName().toString(), attribute.value().toString());
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement:
            node.children.push_back(read(reader));
            break;
        case QXmlStreamReader::Characters:
            if (!node.children.empty() && node.children.back().isText())
                node.children.back().text += reader.text();
            else
                node.children.push_back(textNode(reader.text().toString()));
            break;
        case QXmlStreamReader::EndElement:
            return node;
        default:
            break;
        }
    }
    return node;
}

void XmlNode::write(QXmlStreamWriter& writer) const
{
    if (isText()) {
        writer.writeCharacters(text);
        return;
    }
    writer.writeStartElement(name);
    for (const auto& [key, value] : attributes)
        writer.writeAttribute(key, value);
    for (const XmlNode& node : children)
        node.write(writer);
    writer.writeEndElement();
}

QString XmlNode::toString() const
{
    QString out;
    QXmlStreamWriter writer(&out);
    write(writer);
    return out;
}

std::optional<XmlPart> XmlPart::parse(const QByteArray& data)
{
    XmlPart part;
    part.m_data = data;
    part.m_text = QString::fromUtf8(data.startsWith("\xEF\xBB\xBF") ? data.mid(3) : data);
    const QString& text = part.m_text;
    QXmlStreamReader reader(text);
    bool inRoot = false;
    bool rootDone = false;
    qsizetype rootOpened = -1;
    while (!reader.atEnd()) {
        const auto token = reader.readNext();
        if (token == QXmlStreamReader::StartElement && !inRoot && !rootDone) {
            inRoot = true;
            part.m_root = XmlNode::element(reader.qualifiedName().toString());
            for (const auto& attribute : reader.attributes())
                part.m_root.attributes.emplace_back(attribute.qualifiedName().toString(), attribute.value().toString());
            rootOpened = reader.characterOffset();
        } else if (token == QXmlStreamReader::StartElement && inRoot) {
            // Tags hold no '<', so the one before the tag's end starts it.
            Child child;
            child.begin = text.lastIndexOf(QLatin1Char('<'), reader.characterOffset() - 1);
            child.node = XmlNode::read(reader);
            child.end = reader.characterOffset();
            part.m_children.push_back(std::move(child));
        } else if (token == QXmlStreamReader::EndElement && inRoot) {
            inRoot = false;
            rootDone = true;
            if (reader.characterOffset() != rootOpened)
                part.m_rootClose = text.lastIndexOf(QLatin1Char('<'), reader.characterOffset() - 1);
        }
    }
    if (reader.hasError() || !rootDone)
        return std::nullopt;
    part.m_rootOpenEnd = rootOpened;
    return part;
}

std::vector<const XmlNode*> XmlPart::elements() const
{
    std::vector<const XmlNode*> result;
    for (const Child& child : m_children) {
        if (child.state != State::Removed)
            result.push_back(&child.node);
    }
    return result;
}

const XmlNode* XmlPart::find(const QString& localName) const
{
    for (const Child& child : m_children) {
        if (child.state != State::Removed && child.node.localName() == localName)
            return &child.node;
    }
    return nullptr;
}

std::optional<XmlNode> XmlPart::take(const QString& localName)
{
    for (Child& child : m_children) {
        if (child.state == State::Kept && child.node.localName() == localName)
            return std::exchange(child.node, XmlNode::element(child.node.name));
    }
    return std::nullopt;
}

XmlNode* XmlPart::edit(const QString& localName)
{
    for (Child& child : m_children) {
        if (child.state == State::Removed || child.node.localName() != localName)
            continue;
        if (child.state == State::Kept)
            child.state = State::Edited;
        return &child.node;
    }
    return nullptr;
}

bool XmlPart::replace(const QString& localName, const QString& xml)
{
    for (Child& child : m_children) {
        if (child.state == State::Removed || child.node.localName() != localName)
            continue;
        child.state = State::Replaced;
        child.replacement = xml;
        return true;
    }
    return false;
}

bool XmlPart::insert(XmlNode node, const QStringList& followers)
{
    if (m_rootClose < 0)
        return false;
    auto at = std::find_if(m_children.begin(), m_children.end(), [&](const Child& child) {
        return child.state != State::Removed && followers.contains(child.node.localName());
    });
    Child child;
    child.node = std::move(node);
    child.state = State::Inserted;
    m_children.insert(at, std::move(child));
    return true;
}

int XmlPart::removeIf(const std::function<bool(const XmlNode&)>& match)
{
    int removed = 0;
    for (Child& child : m_children) {
        if (child.state != State::Removed && match(child.node)) {
            child.state = State::Removed;
            ++removed;
        }
    }
    std::erase_if(m_children, [](const Child& child) { return child.state == State::Removed && child.begin < 0; });
    return removed;
}

bool XmlPart::isChanged() const
{
    return std::any_of(m_children.begin(), m_children.end(), [](const Child& child) { return child.state != State::Kept; });
}

QByteArray XmlPart::toByteArray() const
{
    if (!isChanged())
        return m_data;
    QString out = m_text.left(m_rootOpenEnd);
    qsizetype position = m_rootOpenEnd;
    for (const Child& child : m_children) {
        if (child.begin >= 0) {
            out += QStringView(m_text).mid(position, child.begin - position);
            position = child.end;
        }
        switch (child.state) {
        case State::Kept:
            out += QStringView(m_text).mid(child.begin, child.end - child.begin);
            break;
        case State::Edited:
        case State::Inserted:
            out += child.node.toString();
            break;
        case State::Replaced:
            out += child.replacement;
            break;
        case State::Removed:
            break;
        }
    }
    out += QStringView(m_text).mid(position);
    return out.toUtf8();
}
