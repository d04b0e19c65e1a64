#pragma once

#include <QList>
#include <QObject>
#include <QString>

namespace twinsweep {

/// One volume of the collection: a top-level node of the volume tree. Its 1-based
/// position (Index) is the `NodeNR` of its files.
struct VolumeNode
{
    QString Key;  // scanned root path followed by the node count plus one at creation
    QString Tag;  // volume serial number as decimal text, or "Nera"
    QString Text; // the volume's name, unique in the collection
    bool operator==(const VolumeNode&) const = default;
};

/// `TreeView1`: the volumes in the order of adding, the selected node, and the tree's
/// own tag, the path of the current collection file ("" until first saved or loaded).
class VolumeTree : public QObject
{
    Q_OBJECT
public:
    int count() const { return int(m_nodes.size()); }
    /// `index` is 1-based.
    const VolumeNode& node(int index) const { return m_nodes[index - 1]; }
    const QList<VolumeNode>& nodes() const { return m_nodes; }
    /// The name of the node at `index`, "" when no node has that index.
    QString nodeText(int index) const { return index >= 1 && index <= count() ? m_nodes[index - 1].Text : QString(); }
    /// Index of the node whose Key is `key`, 0 when there is none.
    int indexOfKey(const QString& key) const;
    /// `prefix` followed by `number`, or by the next number no node's Key holds yet.
    QString freeKey(const QString& prefix, int number) const;

    /// Appends a node and returns its Index.
    int add(const VolumeNode& node);
    void remove(int index);
    void clear();
    void setText(int index, const QString& text);
    void setNodeTag(int index, const QString& tag);
    void setKey(int index, const QString& key);

    /// Selected node's Index, 0 when none is selected.
    int selectedIndex() const { return m_selected; }
    void select(int index);

    QString tag() const { return m_tag; }
    void setTag(const QString& collectionPath) { m_tag = collectionPath; }

Q_SIGNALS:
    void nodesChanged();
    void selectionChanged(int index);

private:
    QList<VolumeNode> m_nodes;
    int m_selected = 0;
    QString m_tag;
};

} // namespace twinsweep
