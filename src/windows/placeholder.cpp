namespace tovrel {}
