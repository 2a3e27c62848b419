-- SPDX-License-Identifier: GPL-3.0-or-later
-- The company store, version 1: sites, tank tables, reports with their revisions, voyages and
-- the audit log, the roles' rights and the two functions through which reports are written.
-- Run in one transaction (by the program, or between BEGIN and COMMIT by setup.sql).
--
-- Writes to reports and revisions go only through dravex.save_revision and dravex.set_status
-- (SECURITY DEFINER: they check the caller's role themselves and keep the rules: append-only
-- revisions, a head that moves only from its parent, final reports read-only). Reading is
-- governed by grants and row-level security: an inspector sees only their own reports.

-- The group roles (cluster-wide, so they may exist already from another database, or be
-- made at this moment by the set-up of another database on the same server).
DO $roles$
DECLARE
  v_role text;
BEGIN
  FOREACH v_role IN ARRAY ARRAY['dravex_inspector', 'dravex_reviewer', 'dravex_admin'] LOOP
    IF NOT EXISTS (SELECT FROM pg_catalog.pg_roles WHERE rolname = v_role) THEN
      BEGIN
        EXECUTE format('CREATE ROLE %I NOLOGIN', v_role);
      EXCEPTION WHEN duplicate_object OR unique_violation THEN
        NULL;
      END;
    END IF;
  END LOOP;
END
$roles$;

CREATE SCHEMA IF NOT EXISTS dravex;
REVOKE ALL ON SCHEMA dravex FROM PUBLIC;
GRANT USAGE ON SCHEMA dravex TO dravex_inspector, dravex_reviewer, dravex_admin;

CREATE TABLE IF NOT EXISTS dravex.schema_version (
  version int PRIMARY KEY,
  applied_at timestamptz NOT NULL DEFAULT now()
);

CREATE TABLE dravex.sites (
  id uuid PRIMARY KEY,
  kind text NOT NULL CHECK (kind IN ('vessel', 'terminal')),
  name text NOT NULL,
  offline boolean NOT NULL DEFAULT false,
  UNIQUE (kind, name)
);

CREATE TABLE dravex.tank_tables (
  sha256 text PRIMARY KEY,
  site_id uuid NOT NULL REFERENCES dravex.sites,
  tank text NOT NULL,
  document text NOT NULL,
  created_by text NOT NULL DEFAULT current_user,
  created_at timestamptz NOT NULL DEFAULT now()
);
CREATE INDEX tank_tables_site ON dravex.tank_tables (site_id, tank, created_at);

CREATE TABLE dravex.reports (
  id uuid PRIMARY KEY,
  vessel text,
  voyage text,
  port text,
  report_date date,
  operation text,
  grades text,
  totals text,
  status text NOT NULL DEFAULT 'draft' CHECK (status IN ('draft', 'final')),
  inspector text NOT NULL DEFAULT current_user,
  head uuid,
  head_author text,
  head_at timestamptz,
  created_at timestamptz NOT NULL DEFAULT now()
);
-- The searches: by vessel, voyage or port (exact or by prefix), by date, status and inspector,
-- newest first.
CREATE INDEX reports_vessel ON dravex.reports (vessel text_pattern_ops, report_date);
CREATE INDEX reports_voyage ON dravex.reports (voyage text_pattern_ops);
CREATE INDEX reports_port ON dravex.reports (port text_pattern_ops, report_date);
CREATE INDEX reports_date ON dravex.reports (report_date);
CREATE INDEX reports_inspector ON dravex.reports (inspector, report_date);
CREATE INDEX reports_status ON dravex.reports (status, report_date);

CREATE TABLE dravex.revisions (
  id uuid PRIMARY KEY,
  report_id uuid NOT NULL REFERENCES dravex.reports,
  parent uuid REFERENCES dravex.revisions,
  author text NOT NULL DEFAULT current_user,
  created_at timestamptz NOT NULL DEFAULT now(),
  sha256 text NOT NULL,
  document text NOT NULL,
  note text,
  accepted boolean NOT NULL
);
CREATE INDEX revisions_report ON dravex.revisions (report_id, created_at);
CREATE INDEX revisions_parent ON dravex.revisions (parent);
ALTER TABLE dravex.reports ADD FOREIGN KEY (head) REFERENCES dravex.revisions;

CREATE TABLE dravex.voyages (
  id uuid PRIMARY KEY,
  vessel text NOT NULL,
  voyage text NOT NULL,
  document text NOT NULL,
  author text NOT NULL DEFAULT current_user,
  created_at timestamptz NOT NULL DEFAULT now()
);
CREATE INDEX voyages_vessel ON dravex.voyages (vessel, voyage);

CREATE TABLE dravex.audit_log (
  id bigserial PRIMARY KEY,
  at timestamptz NOT NULL DEFAULT now(),
  actor text NOT NULL DEFAULT session_user,
  action text NOT NULL,
  table_name text NOT NULL,
  row_id text,
  detail jsonb
);
CREATE INDEX audit_log_row ON dravex.audit_log (table_name, row_id, id);

-- Tank tables, revisions and the audit log are never changed or removed once written.
CREATE FUNCTION dravex.refuse_change() RETURNS trigger
LANGUAGE plpgsql SET search_path = pg_catalog, pg_temp AS $fn$
BEGIN
  RAISE EXCEPTION 'rows of %.% are kept as written and never changed or removed',
    TG_TABLE_SCHEMA, TG_TABLE_NAME
    USING ERRCODE = 'DX003', HINT = 'save a new revision or add a new version instead';
END
$fn$;
CREATE TRIGGER tank_tables_immutable BEFORE UPDATE OR DELETE ON dravex.tank_tables
  FOR EACH ROW EXECUTE FUNCTION dravex.refuse_change();
CREATE TRIGGER tank_tables_no_truncate BEFORE TRUNCATE ON dravex.tank_tables
  FOR EACH STATEMENT EXECUTE FUNCTION dravex.refuse_change();
CREATE TRIGGER revisions_append_only BEFORE UPDATE OR DELETE ON dravex.revisions
  FOR EACH ROW EXECUTE FUNCTION dravex.refuse_change();
CREATE TRIGGER revisions_no_truncate BEFORE TRUNCATE ON dravex.revisions
  FOR EACH STATEMENT EXECUTE FUNCTION dravex.refuse_change();
CREATE TRIGGER audit_log_append_only BEFORE UPDATE OR DELETE ON dravex.audit_log
  FOR EACH ROW EXECUTE FUNCTION dravex.refuse_change();
CREATE TRIGGER audit_log_no_truncate BEFORE TRUNCATE ON dravex.audit_log
  FOR EACH STATEMENT EXECUTE FUNCTION dravex.refuse_change();

-- The audit trail: one row for every row written, by whom (the login, not a role it set),
-- with the row's columns but not its document (the revision keeps that). A status change
-- carries the reason dravex.set_status was given.
CREATE FUNCTION dravex.audit() RETURNS trigger
LANGUAGE plpgsql SECURITY DEFINER SET search_path = pg_catalog, pg_temp AS $fn$
DECLARE
  v_new jsonb;
  v_old jsonb;
  v_detail jsonb;
  v_reason text := current_setting('dravex.status_reason', true);
BEGIN
  IF TG_OP IN ('INSERT', 'UPDATE') THEN
    v_new := to_jsonb(NEW) - 'document';
  END IF;
  IF TG_OP IN ('UPDATE', 'DELETE') THEN
    v_old := to_jsonb(OLD) - 'document';
  END IF;
  IF TG_OP = 'INSERT' THEN
    v_detail := v_new;
  ELSIF TG_OP = 'DELETE' THEN
    v_detail := v_old;
  ELSE
    -- Only what changed, as old and new.
    SELECT jsonb_build_object('old', coalesce(jsonb_object_agg(o.key, o.value), '{}'::jsonb),
                              'new', coalesce(jsonb_object_agg(o.key, v_new -> o.key), '{}'::jsonb))
      INTO v_detail
      FROM jsonb_each(v_old) AS o
     WHERE o.value IS DISTINCT FROM v_new -> o.key;
    IF TG_TABLE_NAME = 'reports' AND v_reason IS NOT NULL AND v_reason <> '' THEN
      v_detail := v_detail || jsonb_build_object('reason', v_reason);
    END IF;
  END IF;
  INSERT INTO dravex.audit_log (actor, action, table_name, row_id, detail)
  VALUES (session_user, lower(TG_OP), TG_TABLE_NAME,
          coalesce(coalesce(v_new, v_old) ->> 'id', coalesce(v_new, v_old) ->> 'sha256'), v_detail);
  RETURN NULL;
END
$fn$;
REVOKE ALL ON FUNCTION dravex.audit() FROM PUBLIC;
CREATE TRIGGER sites_audit AFTER INSERT OR UPDATE OR DELETE ON dravex.sites
  FOR EACH ROW EXECUTE FUNCTION dravex.audit();
CREATE TRIGGER tank_tables_audit AFTER INSERT ON dravex.tank_tables
  FOR EACH ROW EXECUTE FUNCTION dravex.audit();
CREATE TRIGGER reports_audit AFTER INSERT OR UPDATE OR DELETE ON dravex.reports
  FOR EACH ROW EXECUTE FUNCTION dravex.audit();
CREATE TRIGGER revisions_audit AFTER INSERT ON dravex.revisions
  FOR EACH ROW EXECUTE FUNCTION dravex.audit();
CREATE TRIGGER voyages_audit AFTER INSERT OR UPDATE OR DELETE ON dravex.voyages
  FOR EACH ROW EXECUTE FUNCTION dravex.audit();

-- A new tank table is announced to every listening program.
CREATE FUNCTION dravex.notify_table() RETURNS trigger
LANGUAGE plpgsql SET search_path = pg_catalog, pg_temp AS $fn$
BEGIN
  PERFORM pg_notify('dravex_tables', NEW.site_id::text);
  RETURN NULL;
END
$fn$;
CREATE TRIGGER tank_tables_notify AFTER INSERT ON dravex.tank_tables
  FOR EACH ROW EXECUTE FUNCTION dravex.notify_table();

-- Saves one revision of a report; see the company store's documentation for the outcomes.
CREATE FUNCTION dravex.save_revision(p_report uuid, p_revision uuid, p_parent uuid,
                                     p_document text, p_sha256 text, p_note text,
                                     p_vessel text, p_voyage text, p_port text, p_date date,
                                     p_operation text, p_grades text, p_totals text)
RETURNS TABLE (outcome text, head uuid, head_author text, head_at timestamptz)
LANGUAGE plpgsql SECURITY DEFINER SET search_path = pg_catalog, pg_temp AS $fn$
DECLARE
  v_user text := session_user;
  v_admin boolean := pg_has_role(session_user, 'dravex_admin', 'MEMBER');
  v_report dravex.reports%ROWTYPE;
  v_rev dravex.revisions%ROWTYPE;
  v_parent_report uuid;
BEGIN
  IF p_report IS NULL OR p_revision IS NULL OR p_document IS NULL OR p_sha256 IS NULL THEN
    RAISE EXCEPTION 'a revision needs its report, its own id, its document and its hash'
      USING ERRCODE = 'null_value_not_allowed';
  END IF;
  IF NOT (v_admin OR pg_has_role(session_user, 'dravex_inspector', 'MEMBER')) THEN
    RAISE EXCEPTION 'role % may not save reports', v_user USING ERRCODE = 'insufficient_privilege';
  END IF;

  -- The first revision creates the report. Two first saves at once: one inserts, the other
  -- waits for it and then finds the report.
  INSERT INTO dravex.reports AS r (id, vessel, voyage, port, report_date, operation, grades,
                                   totals, inspector)
  VALUES (p_report, p_vessel, p_voyage, p_port, p_date, p_operation, p_grades, p_totals, v_user)
  ON CONFLICT (id) DO NOTHING;
  SELECT * INTO STRICT v_report FROM dravex.reports r WHERE r.id = p_report FOR UPDATE;

  IF NOT v_admin AND v_report.inspector <> v_user THEN
    RAISE EXCEPTION 'report % is not yours to change', p_report
      USING ERRCODE = 'insufficient_privilege';
  END IF;

  -- The same revision sent again (an outbox sent twice): nothing changes.
  SELECT * INTO v_rev FROM dravex.revisions v WHERE v.id = p_revision;
  IF FOUND THEN
    IF v_rev.report_id <> p_report THEN
      RAISE EXCEPTION 'revision % belongs to another report', p_revision
        USING ERRCODE = 'unique_violation';
    END IF;
    IF v_rev.accepted THEN
      RETURN QUERY SELECT 'replayed'::text, v_rev.id, v_rev.author, v_rev.created_at;
    ELSE
      RETURN QUERY SELECT 'replayed'::text, v_report.head, v_report.head_author, v_report.head_at;
    END IF;
    RETURN;
  END IF;

  IF v_report.status = 'final' THEN
    RAISE EXCEPTION 'report % is final; ask a reviewer to return it to draft', p_report
      USING ERRCODE = 'DX001';
  END IF;

  IF p_parent IS NOT NULL THEN
    SELECT v.report_id INTO v_parent_report FROM dravex.revisions v WHERE v.id = p_parent;
    IF v_parent_report IS DISTINCT FROM p_report THEN
      RAISE EXCEPTION 'parent revision % is not a revision of report %', p_parent, p_report
        USING ERRCODE = 'invalid_parameter_value';
    END IF;
  END IF;

  IF v_report.head IS NOT DISTINCT FROM p_parent THEN
    INSERT INTO dravex.revisions (id, report_id, parent, author, sha256, document, note, accepted)
    VALUES (p_revision, p_report, p_parent, v_user, p_sha256, p_document, p_note, true);
    UPDATE dravex.reports r
       SET head = p_revision, head_author = v_user, head_at = now(), vessel = p_vessel,
           voyage = p_voyage, port = p_port, report_date = p_date, operation = p_operation,
           grades = p_grades, totals = p_totals
     WHERE r.id = p_report;
    PERFORM pg_notify('dravex_reports', p_report::text);
    RETURN QUERY SELECT 'saved'::text, p_revision, v_user, now();
  ELSE
    -- Someone saved first: this revision is kept beside it, the head stays.
    INSERT INTO dravex.revisions (id, report_id, parent, author, sha256, document, note, accepted)
    VALUES (p_revision, p_report, p_parent, v_user, p_sha256, p_document, p_note, false);
    RETURN QUERY SELECT 'conflict'::text, v_report.head, v_report.head_author, v_report.head_at;
  END IF;
END
$fn$;

-- Makes a report final, or returns it to draft with a reason; reviewers and administrators.
CREATE FUNCTION dravex.set_status(p_report uuid, p_status text, p_reason text) RETURNS void
LANGUAGE plpgsql SECURITY DEFINER SET search_path = pg_catalog, pg_temp AS $fn$
DECLARE
  v_status text;
BEGIN
  IF NOT (pg_has_role(session_user, 'dravex_reviewer', 'MEMBER')
          OR pg_has_role(session_user, 'dravex_admin', 'MEMBER')) THEN
    RAISE EXCEPTION 'only reviewers and administrators change a report''s status'
      USING ERRCODE = 'insufficient_privilege';
  END IF;
  IF p_status IS NULL OR p_status NOT IN ('draft', 'final') THEN
    RAISE EXCEPTION 'a report is either draft or final' USING ERRCODE = 'invalid_parameter_value';
  END IF;
  SELECT r.status INTO v_status FROM dravex.reports r WHERE r.id = p_report FOR UPDATE;
  IF NOT FOUND THEN
    RAISE EXCEPTION 'report % is not in the store', p_report USING ERRCODE = 'no_data_found';
  END IF;
  IF v_status = p_status THEN
    RETURN;
  END IF;
  IF p_status = 'draft' AND btrim(coalesce(p_reason, ''), E' \t\r\n') = '' THEN
    RAISE EXCEPTION 'returning report % to draft needs a reason', p_report
      USING ERRCODE = 'DX002';
  END IF;
  PERFORM set_config('dravex.status_reason', coalesce(p_reason, ''), true);
  UPDATE dravex.reports r SET status = p_status WHERE r.id = p_report;
  PERFORM set_config('dravex.status_reason', '', true);
  PERFORM pg_notify('dravex_reports', p_report::text);
END
$fn$;

-- Rights. Nobody writes reports, revisions or the audit log directly: the functions above do.
REVOKE ALL ON ALL TABLES IN SCHEMA dravex FROM PUBLIC;
REVOKE ALL ON FUNCTION dravex.save_revision(uuid, uuid, uuid, text, text, text, text, text, text,
                                            date, text, text, text) FROM PUBLIC;
REVOKE ALL ON FUNCTION dravex.set_status(uuid, text, text) FROM PUBLIC;
GRANT EXECUTE ON FUNCTION dravex.save_revision(uuid, uuid, uuid, text, text, text, text, text,
                                               text, date, text, text, text)
  TO dravex_inspector, dravex_admin;
GRANT EXECUTE ON FUNCTION dravex.set_status(uuid, text, text) TO dravex_reviewer, dravex_admin;

GRANT SELECT ON dravex.schema_version, dravex.sites, dravex.tank_tables, dravex.reports,
  dravex.revisions, dravex.voyages TO dravex_inspector, dravex_reviewer, dravex_admin;
GRANT SELECT ON dravex.audit_log TO dravex_reviewer, dravex_admin;
GRANT INSERT ON dravex.sites, dravex.tank_tables, dravex.voyages TO dravex_inspector, dravex_admin;
GRANT UPDATE, DELETE ON dravex.sites, dravex.voyages TO dravex_admin;

-- Row-level security: an inspector reads their own reports and those reports' revisions;
-- reviewers and administrators read all. What a person adds carries their name.
ALTER TABLE dravex.reports ENABLE ROW LEVEL SECURITY;
-- One policy per group, so that an inspector's searches use the index on inspector.
CREATE POLICY reports_own ON dravex.reports FOR SELECT TO dravex_inspector
  USING (inspector = current_user);
CREATE POLICY reports_all ON dravex.reports FOR SELECT TO dravex_reviewer, dravex_admin
  USING (true);

ALTER TABLE dravex.revisions ENABLE ROW LEVEL SECURITY;
CREATE POLICY revisions_read ON dravex.revisions FOR SELECT
  USING (EXISTS (SELECT FROM dravex.reports r WHERE r.id = report_id));

ALTER TABLE dravex.tank_tables ENABLE ROW LEVEL SECURITY;
CREATE POLICY tank_tables_read ON dravex.tank_tables FOR SELECT USING (true);
CREATE POLICY tank_tables_add ON dravex.tank_tables FOR INSERT
  WITH CHECK (created_by = current_user);

ALTER TABLE dravex.voyages ENABLE ROW LEVEL SECURITY;
CREATE POLICY voyages_read ON dravex.voyages FOR SELECT USING (true);
CREATE POLICY voyages_add ON dravex.voyages FOR INSERT WITH CHECK (author = current_user);
CREATE POLICY voyages_admin ON dravex.voyages FOR ALL TO dravex_admin USING (true)
  WITH CHECK (true);

INSERT INTO dravex.schema_version (version) VALUES (1);
