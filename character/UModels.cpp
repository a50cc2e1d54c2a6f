// Placeholder until the records and name tables land.
