#include "VolumeTree.h"

namespace twinsweep {

int VolumeTree::indexOfKey(const QString& key) const
{
    for (int i = 0; i < m_nodes.size(); ++i) {
        if (m_nodes[i].Key == key)
            return i + 1;
    }
    return 0;
}

QString VolumeTree::freeKey(const QString& prefix, int number) const
{
    while (indexOfKey(prefix + QString::number(number)) != 0)
        ++number;
    return prefix + QString::number(number);
}

int VolumeTree::add(const VolumeNode& node)
{
    m_nodes.append(node);
    Q_EMIT nodesChanged();
    return count();
}

void VolumeTree::remove(int index)
{
    if (index < 1 || index > count())
        return;
    m_nodes.removeAt(index - 1);
    if (m_selected == index)
        m_selected = 0;
    else if (m_selected > index)
        --m_selected;
    Q_EMIT nodesChanged();
    Q_EMIT selectionChanged(m_selected);
}

void VolumeTree::clear()
{
    m_nodes.clear();
    m_selected = 0;
    Q_EMIT nodesChanged();
    Q_EMIT selectionChanged(0);
}

void VolumeTree::setText(int index, const QString& text)
{
    m_nodes[index - 1].Text = text;
    Q_EMIT nodesChanged();
}

void VolumeTree::setNodeTag(int index, const QString& tag)
{
    m_nodes[index - 1].Tag = tag;
}

void VolumeTree::setKey(int index, const QString& key)
{
    m_nodes[index - 1].Key = key;
}

void VolumeTree::select(int index)
{
    const int valid = (index >= 1 && index <= count()) ? index : 0;
    if (valid == m_selected)
        return;
    m_selected = valid;
    Q_EMIT selectionChanged(m_selected);
}

} // namespace twinsweep
