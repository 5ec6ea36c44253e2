// A user of the options store: a named list of settings records.
#pragma once

#include <memory>
#include <vector>

#include "OptionsEntityBase.h"
#include "foundation/TesselString.h"

/// Type 0: a named list of entities, owned by the user.
/// Record: header, int32 entity count, packed name, the entities' records in
/// list order; 12 + reserve(name) + the entities' sizes.
class COptionsUser : public COptionsEntityBase {
 public:
  COptionsUser();
  /// Deletes the entities.
  ~COptionsUser() override;

  int GetSize() override;

  /// Reads header, count and name; with an owner store, then loads the counted
  /// records through the store's LoadEntity (into the store's current user).
  /// The whole record is checked before anything changes, so a truncated or
  /// corrupt record gives false with the user, the store and *pos unchanged.
  bool Load(const unsigned char* buffer, int* pos, int end) override;
  bool Save(unsigned char* buffer, int* pos) override;

  /// The first entity with that setting id, or null.
  COptionsEntityBase* FindEntity(int id) const;
  /// Appends an entity and takes ownership; false for null.
  bool AddEntity(COptionsEntityBase* entity);
  /// Removes and deletes an entity of this user; false when it is not one.
  bool DeleteEntity(COptionsEntityBase* entity);
  int GetEntityCount() const { return static_cast<int>(m_entities.size()); }
  COptionsEntityBase* GetEntityAt(int index) const;

  const CTesselString& GetName() const { return m_name; }
  void SetName(const CTesselString& name) { m_name.Assign(name); }

 private:
  CTesselString m_name;
  std::vector<std::unique_ptr<COptionsEntityBase>> m_entities;
};
