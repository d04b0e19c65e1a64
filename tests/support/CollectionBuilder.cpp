#include "CollectionBuilder.h"

namespace twinsweep::test {

FileRecord makeRecord(const QString& filename, const QString& path, int node, const QString& duration,
                      const QString& title)
{
    return FileRecord({filename, path, "4000000", duration, "44100", "128", title, "Artist", "Album", "", "2001", "3",
                       "1.0", QString::number(node)});
}

int addVolume(Catalogue& catalogue, const QString& name, const QStringList& filenames, const QString& tag)
{
    const int index = catalogue.TreeView1.count() + 1;
    const QString root = "/media/" + name;
    catalogue.TreeView1.add({root + QString::number(index), tag, name});
    for (const QString& filename : filenames)
        catalogue.ListFiles.push_back(makeRecord(filename, root + "/", index));
    return index;
}

} // namespace twinsweep::test
