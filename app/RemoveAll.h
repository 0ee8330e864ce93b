#pragma once
// Empties a record collection in place, for collections that others hold by pointer.
template <typename CollectionType>
void RemoveAll(CollectionType& collection)
{
    while (collection.Count() != 0)
        collection.Erase(collection.end() - 1);
}
